#pragma once
// The desktop services the game reaches, one small interface each. The Qt
// program implements them in app/; tests hand in recording fakes.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "view/Counter.h"

class QImage;
class QRegion;

namespace tolvar {

enum class MsgStyle {
    OkExclamation,   // OK button, exclamation icon (style 48)
    YesNoQuestion,   // Yes and No buttons, question icon
    YesNoCancelQuestion,  // Yes, No and Cancel buttons, question icon
    OkCritical,      // OK button, error icon: a file we could not write
};
enum class MsgAnswer { Ok, Yes, No, Cancel };

/// Which pictures the about box shows: its own two notices, or the captions of a won level.
enum class AboutRole {
    About,         // the notices; img_Win hidden
    NextLevel,     // img_Win(0) "Well done !" and img_Win(1) "Ready to enter next level ..."
    AllCompleted,  // img_Win(2) "Congratulation !" and img_Win(3) "You have completed all levels !"
};

/// What the about box's own controls do, handed in with each call to show it.
struct AboutBoxActions {
    std::function<void(QImage& icon)> turnIcon;  // the game's about-box timer
    std::function<void(int)> emailClicked;
    std::function<void(int)> httpClicked;
    std::string gameDir;  // where its pictures are; empty: the working directory
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    /// A modal message box; returns the button pressed.
    virtual MsgAnswer MsgBox(const std::string& text, MsgStyle style, const std::string& title) = 0;
    /// A modal input box; returns the answer, the empty text when the player cancels.
    virtual std::string InputBox(const std::string& prompt, const std::string& title, const std::string& defaultAnswer) = 0;
    /// Shows frm_AboutBox modally in the given role and returns when the player has closed it.
    virtual void ShowAboutBox(AboutRole role, const AboutBoxActions& actions = {}) = 0;
    /// A modal dialog choosing a file to open, offering first the files whose names end in
    /// one of `suffixes` (described as `kind`); the chosen path, empty when the player cancels.
    virtual std::string ChooseFileToOpen(const std::string& title, const std::string& kind,
                                         const std::vector<std::string>& suffixes) = 0;
};

/// Sound effects: a file name without directory, played asynchronously; a new effect
/// replaces one still sounding and a missing file plays nothing.
class SoundPort {
public:
    virtual ~SoundPort() = default;
    virtual void PlaySound(const std::string& fileName) = 0;
};

/// The MIDI sequencer, driven by command strings such as "PLAY SQ1 FROM 0".
/// Returns 0 on success; the return text goes to `returnText` (at most `returnLength` characters).
class MciPort {
public:
    virtual ~MciPort() = default;
    virtual int SendString(const std::string& command, std::string& returnText, int returnLength) = 0;
};

class HelpPort {
public:
    virtual ~HelpPort() = default;
    virtual void ShowContents() = 0;  // open the help document at its contents page
    virtual void Quit() = 0;          // close the help window if it is open
};

class ShellPort {
public:
    virtual ~ShellPort() = default;
    /// Opens a web page or a "mailto:" address with the desktop's default handler.
    virtual void Open(const std::string& address) = 0;
};

/// Raw access to section "Box" of the settings file; the game's reading rules are ReadSetting's.
class SettingsPort {
public:
    virtual ~SettingsPort() = default;
    virtual std::optional<std::string> Value(const std::string& key) = 0;
    /// Stores the text at once; false when it could not be written.
    virtual bool SetValue(const std::string& key, const std::string& value) = 0;
};

/// The main window as the rules see it.
class WindowPort {
public:
    virtual ~WindowPort() = default;
    virtual int ClientWidth() const = 0;   // pixels
    virtual int ClientHeight() const = 0;  // pixels
    virtual bool IsMinimized() const = 0;
    /// Repaint `area` of the client area from the persistent image.
    virtual void Refresh(const QRegion& area) = 0;
    /// Repaint one counter box from its image.
    virtual void RefreshCounter(Counter which) = 0;
};

/// A level the window "Collections" offers: of the game's own level set, or of a collection of
/// the library.
struct LevelChoice {
    std::string collection;  // the library's id of the collection; empty for the game's own set
    int number = 0;          // the level's number in it, from 1
    bool operator==(const LevelChoice&) const = default;
};

/// The window "Collections": the collections of the library and their levels.
class BrowserPort {
public:
    virtual ~BrowserPort() = default;
    /// Shows the window with `start` chosen (a collection or level that is no longer there
    /// chooses the first); the level the player chose to play, or nothing when closed.
    virtual std::optional<LevelChoice> Browse(const LevelChoice& start) = 0;
};

/// One running game per user.
class InstancePort {
public:
    virtual ~InstancePort() = default;
    /// True when no other instance runs; this one then holds the claim until it ends.
    virtual bool ClaimSingleInstance() = 0;
};

/// The desktop's clipboard, as plain text.
class ClipboardPort {
public:
    virtual ~ClipboardPort() = default;
    /// The text on the clipboard; empty when it holds none.
    virtual std::string Text() = 0;
    virtual void SetText(const std::string& text) = 0;
};

struct Services {
    Dialogs* dialogs = nullptr;
    SoundPort* sound = nullptr;
    MciPort* mci = nullptr;
    HelpPort* help = nullptr;
    ShellPort* shell = nullptr;
    SettingsPort* settings = nullptr;
    WindowPort* window = nullptr;
    InstancePort* instance = nullptr;
    /// Section "Progress" of the settings file: what the game remembers beside "Box".
    SettingsPort* progress = nullptr;
    /// The window "Collections"; nothing opens it when there is none.
    BrowserPort* browser = nullptr;
    /// Section "Collections" of the settings file: the browser's last choice.
    SettingsPort* collections = nullptr;
    ClipboardPort* clipboard = nullptr;
};

}  // namespace tolvar
