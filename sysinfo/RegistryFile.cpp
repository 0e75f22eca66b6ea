#include "sysinfo/RegistryFile.h"

#include "sysinfo/Registry.h"

#include <QStringDecoder>
#include <QStringTokenizer>

namespace {

constexpr QStringView kVersion4 = u"REGEDIT4";
constexpr QStringView kVersion5 = u"Windows Registry Editor Version 5.00";

// regedit writes version 5 files in UTF-16 with a byte-order mark; files
// written by hand are mostly UTF-8.
QString decode(QByteArrayView bytes)
{
    if (bytes.startsWith("\xFF\xFE")) {
        QStringDecoder utf16(QStringConverter::Utf16LE);
        return utf16(bytes.sliced(2));
    }
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    return QString::fromUtf8(bytes);
}

std::optional<std::uint32_t> rootKey(QStringView name)
{
    struct Root
    {
        QStringView name;
        std::uint32_t key;
    };
    static constexpr Root roots[] = {
        {u"HKEY_CLASSES_ROOT", Registry::kClassesRoot},     {u"HKEY_CURRENT_USER", Registry::kCurrentUser},
        {u"HKEY_LOCAL_MACHINE", Registry::kLocalMachine},   {u"HKEY_USERS", Registry::kUsers},
        {u"HKEY_CURRENT_CONFIG", Registry::kCurrentConfig},
    };
    for (const Root &root : roots) {
        if (name.compare(root.name, Qt::CaseInsensitive) == 0)
            return root.key;
    }
    return std::nullopt;
}

QString keyId(std::uint32_t root, QStringView path)
{
    return QString::number(root, 16) + u'\\' + path.toString().toCaseFolded();
}

// The key that a "[root\path]" line opens; none for a key being deleted
// ("[-root\path]"), an unknown root or a broken line.
std::optional<QString> sectionKey(QStringView line)
{
    if (line.size() < 2 || !line.endsWith(u']'))
        return std::nullopt;
    const QStringView inner = line.sliced(1, line.size() - 2);
    const qsizetype slash = inner.indexOf(u'\\');
    const auto root = rootKey(slash < 0 ? inner : inner.first(slash));
    if (!root)
        return std::nullopt;
    return keyId(*root, slash < 0 ? QStringView() : inner.sliced(slash + 1));
}

// Reads the quoted text at the start of `line`, whose only escapes are \\ and
// \", and moves `line` past it.
std::optional<QString> takeQuoted(QStringView &line)
{
    if (!line.startsWith(u'"'))
        return std::nullopt;
    QString text;
    for (qsizetype i = 1; i < line.size(); ++i) {
        QChar c = line[i];
        if (c == u'"') {
            line = line.sliced(i + 1);
            return text;
        }
        if (c == u'\\') {
            if (++i == line.size())
                return std::nullopt;
            c = line[i];
            if (c != u'\\' && c != u'"')
                return std::nullopt;
        }
        text += c;
    }
    return std::nullopt;
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// One to eight hex digits and nothing else.
std::optional<std::uint32_t> hexNumber(QStringView digits)
{
    if (digits.isEmpty() || digits.size() > 8)
        return std::nullopt;
    std::uint32_t number = 0;
    for (QChar c : digits) {
        const int digit = hexDigit(c);
        if (digit < 0)
            return std::nullopt;
        number = number * 16 + std::uint32_t(digit);
    }
    return number;
}

// "01,ab,ff": two hex digits a byte, separated by commas; nothing at all is no bytes.
std::optional<QByteArray> hexBytes(QStringView list)
{
    QByteArray bytes;
    if (list.trimmed().isEmpty())
        return bytes;
    for (QStringView item : qTokenize(list, u',')) {
        item = item.trimmed();
        const auto byte = item.size() == 2 ? hexNumber(item) : std::nullopt;
        if (!byte)
            return std::nullopt;
        bytes.append(char(*byte));
    }
    return bytes;
}

bool startsWithWord(QStringView text, QStringView word)
{
    return text.startsWith(word, Qt::CaseInsensitive);
}

// RegQueryValueExA hands out the text types in the 8-bit code page, while a
// version 5 file writes their hex bytes in UTF-16.
bool isTextType(std::uint32_t type)
{
    constexpr std::uint32_t kExpandableText = 2, kTextList = 7;
    return type == Registry::kText || type == kExpandableText || type == kTextList;
}

std::optional<RegistryFile::Value> parseData(QStringView data, bool utf16Hex)
{
    if (data.startsWith(u'"')) {
        const auto text = takeQuoted(data);
        if (!text || !data.trimmed().isEmpty())
            return std::nullopt;
        return RegistryFile::Value{Registry::kText, text->toLocal8Bit() + '\0'};
    }
    if (startsWithWord(data, u"dword:")) {
        const auto number = hexNumber(data.sliced(6).trimmed());
        if (!number)
            return std::nullopt;
        QByteArray bytes(4, '\0');
        for (int i = 0; i < 4; ++i)
            bytes[i] = char((*number >> (8 * i)) & 0xFF);
        return RegistryFile::Value{Registry::kNumber, bytes};
    }

    std::uint32_t type = Registry::kBinary;
    if (startsWithWord(data, u"hex:")) {
        data = data.sliced(4);
    } else if (startsWithWord(data, u"hex(")) {
        const qsizetype close = data.indexOf(u"):");
        const auto number = close < 0 ? std::nullopt : hexNumber(data.sliced(4, close - 4));
        if (!number)
            return std::nullopt;
        type = *number;
        data = data.sliced(close + 2);
    } else {
        return std::nullopt;
    }

    auto bytes = hexBytes(data);
    if (!bytes)
        return std::nullopt;
    if (utf16Hex && isTextType(type)) {
        if (bytes->size() % 2)
            return std::nullopt;
        QStringDecoder utf16(QStringConverter::Utf16LE, QStringConverter::Flag::ConvertInitialBom);
        const QString text = utf16(*bytes);
        bytes = text.toLocal8Bit();
    }
    return RegistryFile::Value{type, *bytes};
}

} // namespace

RegistryFile RegistryFile::parse(QByteArrayView bytes)
{
    RegistryFile file;
    const QString text = decode(bytes);
    const QList<QStringView> lines = QStringView(text).split(u'\n');

    qsizetype i = 0;
    while (i < lines.size() && lines[i].trimmed().isEmpty())
        ++i;
    if (i == lines.size())
        return file;
    const QStringView header = lines[i++].trimmed();
    const bool version5 = header == kVersion5;
    if (!version5 && header != kVersion4)
        return file;

    std::optional<QString> section;
    for (; i < lines.size(); ++i) {
        QStringView line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[')) {
            section = sectionKey(line);
            if (section && !file.m_keys.contains(*section))
                file.m_keys.insert(*section, {});
            continue;
        }

        QString name;
        if (line.startsWith(u'@')) {
            line = line.sliced(1);
        } else if (const auto quoted = takeQuoted(line)) {
            name = *quoted;
        } else {
            continue;
        }
        line = line.trimmed();
        if (!line.startsWith(u'='))
            continue;
        QString data = line.sliced(1).trimmed().toString();
        // A long hex value goes on over the next lines, each but the last
        // ending in a backslash.
        if (startsWithWord(data, u"hex")) {
            while (data.endsWith(u'\\') && i + 1 < lines.size()) {
                data.chop(1);
                data += lines[++i].trimmed();
            }
        }

        if (!section)
            continue;
        Values &values = file.m_keys[*section];
        if (data == u"-")
            values.remove(name.toCaseFolded());
        else if (const auto value = parseData(data, version5))
            values.insert(name.toCaseFolded(), *value);
    }
    return file;
}

std::optional<RegistryFile::Values> RegistryFile::key(std::uint32_t root, const QString &path) const
{
    const QString id = keyId(root, path);
    if (const auto found = m_keys.constFind(id); found != m_keys.cend())
        return *found;
    // A key with sub keys exists even when no section of its own names it.
    const QString below = path.isEmpty() ? id : id + u'\\';
    for (auto it = m_keys.cbegin(); it != m_keys.cend(); ++it) {
        if (it.key().startsWith(below))
            return Values();
    }
    return std::nullopt;
}
