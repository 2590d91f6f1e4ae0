#include "windows/progress/FrmLoad.h"

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

FrmLoad::FrmLoad(Forms& forms) : Form(forms, FormId::frmLoad) {
    setWindowTitle(QStringLiteral("Load/Save    Click on file to load/save"));
    setFixedSize(kClientW, kClientH);

    for (int i = 0; i < kSaveSlotCount; ++i) {
        auto* file = new QLabel(QStringLiteral("File %1:").arg(i + 1), this);
        file->move(kFileLabelX, kSlotY[i]);
        file->adjustSize();
        lblFile[size_t(i)] = file;

        auto* name = new ClickLabel(QString(), this);
        name->setObjectName(QStringLiteral("lblFileName%1").arg(i));
        name->move(kCaptionX, kSlotY[i]);
        connect(name, &ClickLabel::clicked, this, [this, i] { lblFileName_Click(i); });
        lblFileName[size_t(i)] = name;
    }
    lblOkay = new ClickLabel(QStringLiteral("Okay"), this);
    lblOkay->setObjectName(QStringLiteral("lblOkay"));
    lblOkay->move(kOkayCancel);
    lblOkay->adjustSize();
    connect(lblOkay, &ClickLabel::clicked, this, [this] { lblOkay_Click(); });

    lblcancel = new ClickLabel(QStringLiteral("Cancel"), this);
    lblcancel->setObjectName(QStringLiteral("lblcancel"));
    lblcancel->move(kOkayCancel);
    lblcancel->adjustSize();
    connect(lblcancel, &ClickLabel::clicked, this, [this] { lblcancel_Click(); });

    bindTimer(Timer1, [this] { Timer1_Timer(); });
}

void FrmLoad::Form_Load() {
    App& a = app();
    a.globals.flags.loadShowing = true;
    lblcancel->setVisible(a.globals.loadMode);
    lblOkay->setVisible(!a.globals.loadMode);
    readFile();
    setCaptions(CaptionMoment::Opening);
}

void FrmLoad::Form_Unload() { app().globals.flags.loadShowing = false; }

void FrmLoad::Timer1_Timer() { forms().unload(FormId::frmMainForm); }

// Reads the file over what the slots hold. A missing file is created empty:
// three new slots. A file that cannot be used is left alone and the player
// is told once.
void FrmLoad::readFile() {
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
bool FrmLoad::storeSlot(int index) {
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

void FrmLoad::setCaptions(CaptionMoment moment) {
    for (int i = 0; i < kSaveSlotCount; ++i) {
        lblFileName[size_t(i)]->setText(QString::fromStdString(slotCaption(slots_, i, moment)));
        lblFileName[size_t(i)]->adjustSize();
    }
}

void FrmLoad::lblFileName_Click(int index) {
    if (index < 0 || index >= kSaveSlotCount) return;
    if (app().globals.loadMode) loadSlot(index);
    else saveSlot(index);
}

void FrmLoad::loadSlot(int index) {
    App& a = app();
    if (lblFileName[size_t(index)]->text() == QLatin1String(kNewFileCaption)) return;
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
    forms().show(FormId::frmVarnholt);
    loadRunFromSlot(slots_, index, a.g, a.globals.playerName);
    forms().unload(FormId::frmLoad);
}

void FrmLoad::saveSlot(int index) {
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

void FrmLoad::lblcancel_Click() {
    forms().show(FormId::frmMainForm);
    forms().unload(FormId::frmLoad);
}

void FrmLoad::lblOkay_Click() {
    forms().show(FormId::frmVarnholt);
    app().globals.flags.gameShowing = true;
    forms().unload(FormId::frmLoad);
}

void FrmLoad::closeEvent(QCloseEvent* e) {
    e->ignore();
    if (app().globals.loadMode) lblcancel_Click();
    else lblOkay_Click();
}

}  // namespace vrh
