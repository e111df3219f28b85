#pragma once

#include <QObject>
#include <QString>

#include <map>
#include <optional>

class QVariant;

namespace desktop {

// The settings portal's "less motion" keys, asked once, from the event loop
// after construction, and followed through its SettingChanged signal. No
// call waits: until the portal has answered, or where there is none, it
// says nothing.
class PortalMotionSetting final : public QObject {
public:
    PortalMotionSetting();
    ~PortalMotionSetting() override;

    std::optional<bool> reduceMotion() const;

private:
    class ChangeListener;

    void start();
    void read(const QString& group, const QString& key, const QString& method);
    // A key's new value, from an answer or a change.
    void take(const QString& key, const QVariant& value);

    std::map<QString, bool> answers_;  // by key
};

}  // namespace desktop
