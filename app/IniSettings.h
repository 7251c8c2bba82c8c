#pragma once
// One section of the game's INI file ("Box" unless told). Every read goes to the file, so a value
// written by another running copy is seen at once; a write replaces the one key
// and leaves every other line of the file as it was.
#include <QString>

#include "core/Services.h"

namespace tolvar {

class IniSettings : public SettingsPort {
public:
    explicit IniSettings(QString filePath, std::string section = "Box")
        : path_(std::move(filePath)), section_(std::move(section)) {}

    /// tolvar/tolvar.ini in the user's configuration folder ($XDG_CONFIG_HOME, ~/.config).
    static QString DefaultPath();

    std::optional<std::string> Value(const std::string& key) override;
    bool SetValue(const std::string& key, const std::string& value) override;

    const QString& Path() const { return path_; }

private:
    QString path_;
    std::string section_;
};

namespace ini {

/// The value of `key` in `section` of the INI text; names compare without regard to case.
std::optional<std::string> Find(const std::string& text, const std::string& section, const std::string& key);
/// The INI text with `key` of `section` set to `value`, the section or key added when missing.
std::string Replace(const std::string& text, const std::string& section, const std::string& key, const std::string& value);

}  // namespace ini

}  // namespace tolvar
