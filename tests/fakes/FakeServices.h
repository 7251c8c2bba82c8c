#pragma once
// Recording fakes of the desktop services: a test scripts the player's answers and
// afterwards reads what the game asked for.
#include <QRegion>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/Services.h"
#include "fakes/FakeGuiThread.h"

namespace tolvar::fakes {

struct Message {
    std::string text;
    MsgStyle style;
    std::string title;
};

struct InputRequest {
    std::string prompt;
    std::string title;
    std::string defaultAnswer;
};

class FakeDialogs : public Dialogs {
public:
    std::vector<Message> messages;
    std::vector<InputRequest> inputs;
    std::vector<AboutRole> aboutBoxes;
    std::deque<MsgAnswer> answers;      // answers to questions, Yes when none left
    std::deque<std::string> typed;      // answers to input boxes, "" (cancel) when none left
    std::deque<std::string> chosen;     // files chosen in file dialogs, "" (cancel) when none left
    std::vector<std::string> fileDialogs;  // their titles
    std::function<void(AboutRole)> onAboutBox;

    MsgAnswer MsgBox(const std::string& text, MsgStyle style, const std::string& title) override
    {
        messages.push_back({text, style, title});
        if (style != MsgStyle::YesNoQuestion && style != MsgStyle::YesNoCancelQuestion)
            return MsgAnswer::Ok;
        if (answers.empty())
            return MsgAnswer::Yes;
        const MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::string InputBox(const std::string& prompt, const std::string& title, const std::string& defaultAnswer) override
    {
        inputs.push_back({prompt, title, defaultAnswer});
        if (typed.empty())
            return "";
        std::string a = typed.front();
        typed.pop_front();
        return a;
    }
    std::string ChooseFileToOpen(const std::string& title, const std::string&, const std::vector<std::string>&) override
    {
        fileDialogs.push_back(title);
        if (chosen.empty())
            return "";
        std::string a = chosen.front();
        chosen.pop_front();
        return a;
    }
    void ShowAboutBox(AboutRole role, const AboutBoxActions& = {}) override
    {
        aboutBoxes.push_back(role);
        if (onAboutBox)
            onAboutBox(role);
    }
    std::vector<std::string> texts() const
    {
        std::vector<std::string> out;
        for (const Message& m : messages)
            out.push_back(m.text);
        return out;
    }
};

class FakeSound : public SoundPort {
public:
    std::vector<std::string> played;
    void PlaySound(const std::string& fileName) override { played.push_back(fileName); }
};

class FakeMci : public MciPort {
public:
    std::vector<std::string> commands;
    std::map<std::string, int> results;  // result code per command; 0 when not listed
    std::string status = "playing";      // what STATUS answers when it succeeds
    int SendString(const std::string& command, std::string& returnText, int returnLength) override
    {
        commands.push_back(command);
        const auto it = results.find(command);
        const int result = it == results.end() ? 0 : it->second;
        // Like the real sequencer, a command that fails leaves the caller's text alone.
        if (result == 0 && command.rfind("STATUS", 0) == 0 && returnLength > 0)
            returnText = status.substr(0, static_cast<std::size_t>(returnLength));
        return result;
    }
};

class FakeHelp : public HelpPort {
public:
    int contents = 0, quits = 0;
    void ShowContents() override { ++contents; }
    void Quit() override { ++quits; }
};

class FakeShell : public ShellPort {
public:
    std::vector<std::string> opened;
    void Open(const std::string& address) override { opened.push_back(address); }
};

class FakeSettings : public SettingsPort {
public:
    std::map<std::string, std::string> values;
    bool writable = true;
    int writes = 0;
    std::optional<std::string> Value(const std::string& key) override
    {
        const auto it = values.find(key);
        if (it == values.end())
            return std::nullopt;
        return it->second;
    }
    bool SetValue(const std::string& key, const std::string& value) override
    {
        if (!writable)
            return false;
        ++writes;
        values[key] = value;
        return true;
    }
};

class FakeWindow : public WindowPort {
public:
    int width = 640, height = 442;
    bool minimized = false;
    int refreshes = 0;
    QRegion refreshed;  // all the refreshes asked to repaint
    int counterRefreshes = 0;
    int ClientWidth() const override { return width; }
    int ClientHeight() const override { return height; }
    bool IsMinimized() const override { return minimized; }
    void Refresh(const QRegion& area) override
    {
        ++refreshes;
        refreshed += area;
    }
    void RefreshCounter(Counter) override { ++counterRefreshes; }
};

class FakeInstance : public InstancePort {
public:
    bool alone = true;
    bool ClaimSingleInstance() override { return alone; }
};

/// The window "Collections": records where it was opened and answers from a script.
class FakeBrowser : public BrowserPort {
public:
    std::vector<LevelChoice> starts;          // the choice it was opened on, each time
    std::deque<std::optional<LevelChoice>> chosen;  // what the player plays; closed when none left
    std::optional<LevelChoice> Browse(const LevelChoice& start) override
    {
        starts.push_back(start);
        if (chosen.empty())
            return std::nullopt;
        std::optional<LevelChoice> choice = chosen.front();
        chosen.pop_front();
        return choice;
    }
};

class FakeClipboard : public ClipboardPort {
public:
    std::string text;
    int copies = 0;
    std::string Text() override { return text; }
    void SetText(const std::string& t) override
    {
        ++copies;
        text = t;
    }
};

/// All fakes together, wired into a Services value.
struct FakeDesktop {
    FakeDialogs dialogs;
    FakeSound sound;
    FakeMci mci;
    FakeHelp help;
    FakeShell shell;
    FakeSettings settings;
    FakeSettings assistSettings;  // section "Assist", for the assist room
    FakeGuiThread gui;            // where the solver's answers come back
    FakeSettings progress;        // section "Progress"
    FakeWindow window;
    FakeInstance instance;
    FakeBrowser browser;
    FakeSettings collections;     // section "Collections"
    FakeClipboard clipboard;

    Services services()
    {
        return Services{&dialogs, &sound, &mci, &help, &shell, &settings, &window, &instance, &progress, &browser, &collections, &clipboard};
    }
};

}  // namespace tolvar::fakes
