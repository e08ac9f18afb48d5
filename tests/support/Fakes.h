#pragma once

#include "FakeClock.h"
#include "Printers.h"
#include "framework/core/Failure.h"
#include "framework/platform/DiskFileStore.h"
#include "framework/services/Services.h"

#include <QSet>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <optional>

struct FakeMessageBoxes : vt::MessageBoxes {
    struct Shown {
        QString text, caption;
        int flags;
    };
    std::vector<Shown> shown;
    std::deque<int> answers; // answered in turn; Ok or No once they run out
    std::function<void()> whileOpen;

    QStringList texts() const;

protected:
    int ask(const QString& text, const QString& caption, int flags) override;
};

struct FakeCommonDialogs : vt::CommonDialogs {
    // The value the user picks in the next dialog of that kind; none: the user cancels.
    std::optional<vt::FontValue> font;
    std::optional<vt::Color> color;
    std::optional<QString> file;
    std::vector<vt::OpenFileRequest> fileRequests;
    std::vector<vt::Color> colorRequests;

    bool chooseFont(vt::FontValue& value) override;
    bool chooseColor(vt::Color& value) override;
    bool openFile(vt::OpenFileRequest& request) override;
};

struct FakeMediaPlayer : vt::MediaPlayer {
    QString fileName, streamName;
    QStringList opened, played, streams;
    QSet<QString> unopenable;

    void setFileName(const QString& path) override { fileName = path; }
    void setStreamName(const QString& name) override { streamName = name; }
    void open() override;
    void play() override {
        played << fileName;
        streams << streamName;
    }
};

struct FakeWindowSystem : vt::WindowSystem {
    int flushes = 0;
    std::function<void()> whenFlushed;
    void flush() override {
        ++flushes;
        if (whenFlushed) whenFlushed();
    }
};

struct FakeDesktopOpen : vt::DesktopOpen {
    QStringList opened;
    void open(const QString& path) override { opened << path; }
};

// Where a copy keeps its settings file: beside its data files (a portable program folder) or, as an
// installed copy does, in the user's config folder.
enum class SettingsPlace { ProgramFolder, UserConfigFolder };

struct TemporaryProgramFolder : vt::ProgramFolder {
    explicit TemporaryProgramFolder(SettingsPlace place = SettingsPlace::ProgramFolder) : place(place) {}
    QTemporaryDir dir;
    QTemporaryDir configHome;
    SettingsPlace place;
    QString path() const override { return dir.path() + '/'; }
    QString settingsFile() const override {
        return place == SettingsPlace::ProgramFolder ? file("config.ini")
                                                     : configHome.filePath("vantorel/config.ini");
    }
    QString executable() const override { return file("vantorel"); }
};

// The real file layer, which a test makes fail as a broken disk, a full one or a read-only one would.
struct FaultyDisk : vt::FileStore {
    vt::DiskFileStore disk;
    bool unreadable = false;
    bool unwritable = false;
    mutable int reads = 0;

    std::optional<QByteArray> read(const QString& path) const override {
        ++reads;
        return unreadable ? std::nullopt : disk.read(path);
    }
    void replace(const QString& path, const QByteArray& contents) override {
        if (unwritable) throw vt::cannotWrite(path);
        disk.replace(path, contents);
    }
};

// Every service faked, and the default error report going to the fake boxes.
struct Fakes {
    FakeMessageBoxes boxes;
    FakeCommonDialogs dialogs;
    FakeMediaPlayer player;
    FakeDesktopOpen desktop;
    FakeClock clock;
    vt::LinearRandom random;
    FakeWindowSystem windowSystem;
    TemporaryProgramFolder folder;
    FaultyDisk disk; // in the temporary program folder
    vt::ErrorReport report{boxes, QStringLiteral("Vantorel")};
    vt::Settings settings{folder.settingsFile(), disk, report};
    vt::Services services{boxes,  dialogs,      player, desktop,  clock,
                          random, windowSystem, folder, settings, report};

    explicit Fakes(SettingsPlace place = SettingsPlace::ProgramFolder);
};

// Delivers the queued window-system events (activation among them).
void settle();
