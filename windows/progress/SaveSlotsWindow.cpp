#include "windows/progress/SaveSlotsWindow.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QtGlobal>

#include "platform/FolderLock.h"
#include "meta/TextFile.h"

namespace vrh {

namespace {
constexpr int kSlotY[kSaveSlotCount] = {16, 56, 96};
constexpr int kFileLabelX = 8, kCaptionX = 208;
constexpr QPoint kOkayCancel{168, 152};
}  // namespace

SaveSlotsWindow::SaveSlotsWindow(Forms& forms) : Form(forms, FormId::saveSlots) {
    setWindowTitle(QStringLiteral("Load/Save    Click on file to load/save"));
    setFixedSize(kClientW, kClientH);

    for (int i = 0; i < kSaveSlotCount; ++i) {
        auto* file = new QLabel(QStringLiteral("File %1:").arg(i + 1), this);
        file->move(kFileLabelX, kSlotY[i]);
        file->adjustSize();
        slotLabel[size_t(i)] = file;

        auto* name = new ClickLabel(QString(), this);
        name->setObjectName(QStringLiteral("slotNameLabel%1").arg(i));
        name->move(kCaptionX, kSlotY[i]);
        connect(name, &ClickLabel::clicked, this, [this, i] { onSlotClicked(i); });
        slotNameLabel[size_t(i)] = name;
    }
    okayLabel = new ClickLabel(QStringLiteral("Okay"), this);
    okayLabel->setObjectName(QStringLiteral("okayLabel"));
    okayLabel->move(kOkayCancel);
    okayLabel->adjustSize();
    connect(okayLabel, &ClickLabel::clicked, this, [this] { onOkayClicked(); });

    cancelLabel = new ClickLabel(QStringLiteral("Cancel"), this);
    cancelLabel->setObjectName(QStringLiteral("cancelLabel"));
    cancelLabel->move(kOkayCancel);
    cancelLabel->adjustSize();
    connect(cancelLabel, &ClickLabel::clicked, this, [this] { onCancelClicked(); });

    bindTimer(closeTitleMenuTimer, [this] { onCloseTitleMenuTick(); });
}

void SaveSlotsWindow::onLoad() {
    App& a = app();
    a.globals.flags.loadShowing = true;
    cancelLabel->setVisible(a.globals.loadMode);
    okayLabel->setVisible(!a.globals.loadMode);
    readFile();
    setCaptions(CaptionMoment::Opening);
}

void SaveSlotsWindow::onUnload() { app().globals.flags.loadShowing = false; }

void SaveSlotsWindow::onCloseTitleMenuTick() { forms().unload(FormId::titleMenu); }

// Reads the file over what the slots hold. A missing file is created empty:
// three new slots. A file that cannot be used is left alone and the player
// is told once.
void SaveSlotsWindow::readFile() {
    App& a = app();
    const auto file = a.file(kSaveFileName);
    SaveFileRead r;
    {
        const FolderLock lock(a.appFolder);
        r = readSaveFile(slots_, file);
        if (r.createEmptyFile && !a.refusedFiles.refused(file) && !writeTextFileAtomic(file, ""))
            qWarning("save slots: could not create %s", file.string().c_str());
    }
    for (const std::string& n : r.notes) qWarning("save slots: %s", n.c_str());
    if (r.refused) a.refusedFiles.refuse(file, *r.refused, "Saved games");
}

// Writes slot `index` into the file as it is now: a slot another copy of the
// game saved since this picker read the file is kept. False when the file is
// one to leave alone or the write failed.
bool SaveSlotsWindow::storeSlot(int index) {
    App& a = app();
    const auto file = a.file(kSaveFileName);
    const FolderLock lock(a.appFolder);
    if (a.refusedFiles.refused(file)) return false;
    SaveSlots current = slots_;
    if (readSaveFile(current, file).refused) return false;
    current.fields.at(size_t(index)) = slots_.fields.at(size_t(index));
    if (writeTextFileAtomic(file, serializeSaveSlots(current))) return true;
    qWarning("save slots: could not write %s", file.string().c_str());
    return false;
}

void SaveSlotsWindow::setCaptions(CaptionMoment moment) {
    for (int i = 0; i < kSaveSlotCount; ++i) {
        slotNameLabel[size_t(i)]->setText(QString::fromStdString(slotCaption(slots_, i, moment)));
        slotNameLabel[size_t(i)]->adjustSize();
    }
}

void SaveSlotsWindow::onSlotClicked(int index) {
    if (index < 0 || index >= kSaveSlotCount) return;
    if (app().globals.loadMode)
        loadSlot(index);
    else
        saveSlot(index);
}

void SaveSlotsWindow::loadSlot(int index) {
    App& a = app();
    if (slotNameLabel[size_t(index)]->text() == QLatin1String(kNewFileCaption)) return;
    if (a.msg.question("Do you wish to load this file?", "Load this file?") != MsgButton::Yes) return;

    // A slot that cannot be restored must not start a run: try it on a copy.
    GameState probe;
    std::string probeName;
    if (const auto error = loadRunFromSlot(slots_, index, probe, probeName)) {
        qWarning("save slots: slot %d: %s", index + 1, error->message().c_str());
        a.msg.notice(error->message());
        return;
    }
    // The game window starts a fresh run when it loads; the slot then
    // overwrites the fields it stores.
    forms().show(FormId::game);
    loadRunFromSlot(slots_, index, a.g, a.globals.playerName);
    forms().unload(FormId::saveSlots);
}

void SaveSlotsWindow::saveSlot(int index) {
    App& a = app();
    const MsgButton answer = a.msg.question("This file will be overwritten! Are you sure you want to save?",
                                            "Are you sure you want to save?");
    if (answer == MsgButton::Yes) {
        const SaveSlots before = slots_;
        saveRunToSlot(slots_, index, a.g, a.globals.playerName);
        if (!storeSlot(index)) {
            slots_ = before;  // the file keeps the old run, and so do the slots
            a.msg.notice("The game could not be saved.");
        }
    }
    readFile();
    setCaptions(CaptionMoment::AfterQuestion);
}

void SaveSlotsWindow::onCancelClicked() {
    forms().show(FormId::titleMenu);
    forms().unload(FormId::saveSlots);
}

void SaveSlotsWindow::onOkayClicked() {
    forms().show(FormId::game);
    app().globals.flags.gameShowing = true;
    forms().unload(FormId::saveSlots);
}

void SaveSlotsWindow::closeEvent(QCloseEvent* e) {
    e->ignore();
    if (app().globals.loadMode)
        onCancelClicked();
    else
        onOkayClicked();
}

}  // namespace vrh
