# The version and the release date come from the one changelog,
# debian/changelog (LVTRIV_CHANGELOG, for the tests), which the package
# installs. Sets LVTRIV_VERSION, the upstream "3.0.0" that project() takes and
# the About box, the AppStream release and the manual page show, without what
# Debian adds around it (1:3.0.0, +nmu1, +deb13u1, ~bpo12+1, ~rc1); and for the
# last two LVTRIV_RELEASE_DATE ("2026-12-06") and LVTRIV_RELEASE_MONTH
# ("December 2026"), in UTC and in English whatever the machine's zone and
# locale. A binNMU (binary-only=yes: the archive rebuilding against a new Qt)
# changes no source, so both come from the first entry that is not one, though
# dpkg-buildpackage takes SOURCE_DATE_EPOCH from the binNMU's.

if(NOT LVTRIV_CHANGELOG)
  set(LVTRIV_CHANGELOG ${CMAKE_CURRENT_LIST_DIR}/../debian/changelog)
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${LVTRIV_CHANGELOG})
# Heads and trailers in order; in UTF-8, or a name such as Jörg ends the trailer.
file(STRINGS ${LVTRIV_CHANGELOG} lines REGEX "^[^ ]|^ -- " ENCODING UTF-8)
set(trailer) # none when every entry is a binNMU
foreach(line IN LISTS lines)
  if(NOT line MATCHES "^ -- ")
    set(head "${line}")
  elseif(NOT head MATCHES "binary-only=yes")
    set(trailer "${line}")
    break()
  endif()
endforeach()
if(NOT head MATCHES "^lvtriv \\(([0-9]+:)?([0-9]+\\.[0-9]+\\.[0-9]+)([+~][0-9A-Za-z.+~]*)?\\) ")
  message(FATAL_ERROR "${LVTRIV_CHANGELOG}'s first source entry names no version: ${head}")
endif()
set(LVTRIV_VERSION ${CMAKE_MATCH_2})

set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
if(NOT trailer MATCHES ", ([0-9]+) ([A-Z][a-z][a-z]) ([0-9]+) ([0-9]+):([0-9]+):([0-9]+) ([+-])([0-9][0-9])([0-9][0-9])$")
  message(FATAL_ERROR "${LVTRIV_CHANGELOG}'s first source entry has no date: ${trailer}")
endif()
# Each field by name, leading zeros dropped (math() would read them as octal).
set(names - day month_name year hour minute second sign offset_hours offset_minutes)
foreach(i RANGE 1 9)
  list(GET names ${i} name)
  set(${name} ${CMAKE_MATCH_${i}})
endforeach()
foreach(name day year hour minute second offset_hours offset_minutes)
  string(REGEX REPLACE "^0+([0-9])" "\\1" ${name} "${${name}}")
endforeach()
list(FIND months ${month_name} month)
math(EXPR month "${month} + 1")

# Days since 1970-01-01 of the civil date (Howard Hinnant's days_from_civil).
set(shifted_month ${month})
if(month LESS_EQUAL 2)
  math(EXPR year "${year} - 1")
  math(EXPR shifted_month "${month} + 12")
endif()
math(EXPR era "${year} / 400")
math(EXPR year_of_era "${year} - ${era} * 400")
math(EXPR day_of_year "(153 * (${shifted_month} - 3) + 2) / 5 + ${day} - 1")
math(EXPR day_of_era "${year_of_era} * 365 + ${year_of_era} / 4 - ${year_of_era} / 100 + ${day_of_year}")
math(EXPR epoch "(${era} * 146097 + ${day_of_era} - 719468) * 86400 + ${hour} * 3600 + ${minute} * 60 + ${second}
                 ${sign} -1 * (${offset_hours} * 3600 + ${offset_minutes} * 60)")

# string(TIMESTAMP) formats SOURCE_DATE_EPOCH where it is set. It is put
# back as it was, unset where it was: clang 19 refuses an empty one.
set(outer_epoch_set FALSE)
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(outer_epoch_set TRUE)
  set(outer_epoch "$ENV{SOURCE_DATE_EPOCH}")
endif()
set(ENV{SOURCE_DATE_EPOCH} ${epoch})
string(TIMESTAMP LVTRIV_RELEASE_DATE "%Y-%m-%d" UTC)
string(TIMESTAMP LVTRIV_RELEASE_MONTH "%B %Y" UTC)
if(outer_epoch_set)
  set(ENV{SOURCE_DATE_EPOCH} "${outer_epoch}")
else()
  unset(ENV{SOURCE_DATE_EPOCH})
endif()
