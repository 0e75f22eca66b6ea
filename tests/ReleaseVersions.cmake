# cmake -P in a scratch folder (it writes ./changelog): Release.cmake on each head Debian writes
# over 3.0.0 of the 6th, the head dated the 7th like SOURCE_DATE_EPOCH: "head => version date".
set(ENV{SOURCE_DATE_EPOCH} 1796637600)
set(LVTRIV_CHANGELOG ${CMAKE_CURRENT_BINARY_DIR}/changelog)
foreach(row [[lvtriv (3.1.0) unstable; urgency=medium => 3.1.0 2026-12-07]]
            [[lvtriv (1:3.1.0~rc1) experimental; urgency=medium => 3.1.0 2026-12-07]]
            [[lvtriv (3.0.0+nmu1) unstable; urgency=high => 3.0.0 2026-12-07]]
            [[lvtriv (3.0.0+deb13u1) trixie-security; urgency=high => 3.0.0 2026-12-07]]
            [[lvtriv (3.0.0~bpo12+1) bookworm-backports; urgency=medium => 3.0.0 2026-12-07]]
            [[lvtriv (1:3.0.0+b1) unstable; urgency=low, binary-only=yes => 3.0.0 2026-12-06]])
  string(REGEX MATCH "[^>]*$" expected "${row}")
  string(REPLACE " =>${expected}" "\n\n -- Jörg Müller <j@example.org>  Mon, 07 Dec 2026 10:00:00 +0000\n\nlvtriv (3.0.0) unstable; urgency=medium\n\n -- Lvtriv <l@example.org>  Sun, 06 Dec 2026 10:00:00 +0000\n" changelog "${row}")
  file(WRITE ${LVTRIV_CHANGELOG} "${changelog}")
  include(${CMAKE_CURRENT_LIST_DIR}/../cmake/Release.cmake)
  if(NOT " ${LVTRIV_VERSION} ${LVTRIV_RELEASE_DATE}" STREQUAL expected)
    message(SEND_ERROR "${row}: read ${LVTRIV_VERSION} ${LVTRIV_RELEASE_DATE}")
  endif()
endforeach()
# Reading the date leaves an unset SOURCE_DATE_EPOCH unset: clang 19 refuses an empty one.
unset(ENV{SOURCE_DATE_EPOCH})
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/Release.cmake)
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  message(SEND_ERROR "SOURCE_DATE_EPOCH was unset, and is now \"$ENV{SOURCE_DATE_EPOCH}\"")
endif()
