#include "desktop/motion_sources.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QtEndian>

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#if NABREL_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#endif

#ifdef Q_OS_WIN
#include <windows.h>
#ifndef SPI_GETCLIENTAREAANIMATION
#define SPI_GETCLIENTAREAANIMATION 0x1042
#endif
#endif

namespace desktop::motion {

std::optional<bool> fromPortalValue(const QString& key, const QVariant& value)
{
    bool ok = false;
    if (key == QLatin1String("reduced-motion")) {
        const uint reduced = value.toUInt(&ok);  // 0: no preference, 1: reduced
        return ok ? std::optional<bool>(reduced == 1) : std::nullopt;
    }
    if (key == QLatin1String("enable-animations") && value.canConvert<bool>())
        return !value.toBool();
    return std::nullopt;
}

namespace {

// Reads the fields of an XSETTINGS property in the byte order it declares.
class XSettingsReader {
public:
    explicit XSettingsReader(const QByteArray& bytes) : bytes_(bytes)
    {
        bigEndian_ = !bytes.isEmpty() && bytes.at(0) == 1;
    }
    bool skip(qsizetype n)
    {
        if (n < 0 || bytes_.size() - at_ < n)
            return false;
        at_ += n;
        return true;
    }
    std::optional<quint32> card(int size)
    {
        if (bytes_.size() - at_ < size)
            return std::nullopt;
        const auto* p = reinterpret_cast<const uchar*>(bytes_.constData() + at_);
        at_ += size;
        if (size == 1)
            return *p;
        if (size == 2)
            return bigEndian_ ? qFromBigEndian<quint16>(p) : qFromLittleEndian<quint16>(p);
        return bigEndian_ ? qFromBigEndian<quint32>(p) : qFromLittleEndian<quint32>(p);
    }
    QByteArray text(qsizetype n)
    {
        const QByteArray part = bytes_.mid(at_, n);
        return skip((n + 3) & ~qsizetype{3}) ? part : QByteArray();
    }

private:
    const QByteArray& bytes_;
    qsizetype at_ = 0;
    bool bigEndian_ = false;
};

}  // namespace

std::optional<bool> fromXSettings(const QByteArray& property)
{
    enum : quint32 { Integer = 0, String = 1, Color = 2 };
    XSettingsReader read(property);
    if (!read.skip(8))  // byte order, padding, serial
        return std::nullopt;
    const std::optional<quint32> count = read.card(4);
    for (quint32 i = 0; count && i < *count; ++i) {
        const std::optional<quint32> type = read.card(1);
        const std::optional<quint32> nameLength = (type && read.skip(1)) ? read.card(2) : std::nullopt;
        if (!nameLength)
            return std::nullopt;
        const QByteArray name = read.text(*nameLength);
        if (!read.skip(4))  // last change serial
            return std::nullopt;
        if (*type == Integer) {
            const std::optional<quint32> value = read.card(4);
            if (!value)
                return std::nullopt;
            if (name == "Gtk/EnableAnimations")
                return *value == 0;
        } else if (*type == String) {
            const std::optional<quint32> length = read.card(4);
            if (!length || read.text(*length).size() != qsizetype(*length))
                return std::nullopt;
        } else if (*type != Color || !read.skip(8)) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<bool> fromKdeGlobals(const QByteArray& text)
{
    bool inKdeGroup = false;
    for (QByteArray line : text.split('\n')) {
        line = line.trimmed();
        if (line.startsWith('[')) {
            inKdeGroup = line == "[KDE]";
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (!inKdeGroup || equals < 0)
            continue;
        QByteArray key = line.left(equals).trimmed();
        if (const qsizetype mark = key.indexOf('['); mark >= 0)
            key.truncate(mark);  // AnimationDurationFactor[$i]: a locked value is a value too
        if (key != "AnimationDurationFactor")
            continue;
        bool ok = false;
        const double factor = line.mid(equals + 1).trimmed().toDouble(&ok);
        return ok ? std::optional<bool>(factor == 0.0) : std::nullopt;
    }
    return std::nullopt;
}

std::optional<bool> fromArgument(const QString& argument)
{
    if (argument == QLatin1String("--reduce-motion") || argument == QLatin1String("--reduce-motion=on"))
        return true;
    if (argument == QLatin1String("--reduce-motion=off"))
        return false;
    return std::nullopt;
}

std::optional<bool> fromArguments(const QStringList& arguments)
{
    std::optional<bool> reduce;
    for (const QString& argument : arguments)
        if (const std::optional<bool> choice = fromArgument(argument))
            reduce = choice;
    return reduce;
}

std::optional<bool> readXSettings()
{
#if NABREL_HAVE_XCB
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return std::nullopt;
    const auto atom = [connection](const QByteArray& name) {
        const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
            xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, name.size(), name.constData()), nullptr),
            &std::free);
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    };
    const QByteArray display = qgetenv("DISPLAY");
    const qsizetype dot = display.lastIndexOf('.');
    const QByteArray screen = dot > display.lastIndexOf(':') ? display.mid(dot + 1) : QByteArray("0");
    const std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, atom("_XSETTINGS_S" + screen)),
                                      nullptr),
        &std::free);
    if (!owner || owner->owner == XCB_WINDOW_NONE)
        return std::nullopt;
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> property(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, owner->owner, atom("_XSETTINGS_SETTINGS"),
                                                XCB_GET_PROPERTY_TYPE_ANY, 0, 1 << 20),
                               nullptr),
        &std::free);
    if (!property || property->format != 8)
        return std::nullopt;
    return fromXSettings(QByteArray(static_cast<const char*>(xcb_get_property_value(property.get())),
                                    xcb_get_property_value_length(property.get())));
#else
    return std::nullopt;
#endif
}

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
namespace {

// Real configuration files are a few kilobytes.
constexpr off_t kConfigFileLimit = 1 << 20;

// The file's bytes if it is a regular file within the limit. A FIFO, a
// device or a link to one opens without waiting and is refused.
std::optional<QByteArray> readConfigFile(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::optional<QByteArray> bytes;
    struct stat status{};
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size <= kConfigFileLimit) {
        // Up to the limit even if the file grows meanwhile.
        QByteArray text;
        char chunk[4096];
        for (ssize_t n = 0; text.size() <= kConfigFileLimit && (n = ::read(fd, chunk, sizeof chunk)) > 0;)
            text.append(chunk, n);
        if (text.size() <= kConfigFileLimit)
            bytes = text;
    }
    ::close(fd);
    return bytes;
}

// The XDG configuration folders, the user's first. Relative paths are
// ignored, as the XDG rules say.
QStringList configFolders()
{
    const auto absolute = [](const QString& path) { return path.startsWith(u'/'); };
    QStringList folders;
    const QString home = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (absolute(home))
        folders << home;
    else if (absolute(QDir::homePath()))
        folders << QDir::homePath() + QStringLiteral("/.config");
    QStringList system;
    for (const QString& folder : qEnvironmentVariable("XDG_CONFIG_DIRS").split(u':', Qt::SkipEmptyParts))
        if (absolute(folder))
            system << folder;
    return folders << (system.isEmpty() ? QStringList{QStringLiteral("/etc/xdg")} : system);
}

}  // namespace
#endif

std::optional<bool> readKdeGlobals()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // The user's own file overrides the system's: the first that says anything.
    for (const QString& folder : configFolders())
        if (const std::optional<QByteArray> text = readConfigFile(folder + QStringLiteral("/kdeglobals")))
            if (const std::optional<bool> reduce = fromKdeGlobals(*text))
                return reduce;
#endif
    return std::nullopt;
}

std::optional<bool> readWindowsAnimations()
{
#ifdef Q_OS_WIN
    BOOL animations = TRUE;
    if (SystemParametersInfoW(SPI_GETCLIENTAREAANIMATION, 0, &animations, 0))
        return animations == FALSE;
#endif
    return std::nullopt;
}

}  // namespace desktop::motion
