#include "explorer/Promises.h"

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QMenuBar>
#include <QRegularExpression>

#include "explorer/Session.h"
#include "files/SettingsFile.h"
#include "model/EscCatalogue.h"
#include "model/SettingsFileCodec.h"
#include "model/SlotTable.h"
#include "ui/StatusText.h"
#include "window/port/LineStatus.h"
#include "window/record/BlockDescription.h"
#include "window/record/SettingsFiles.h"
#include "window/texts/Texts.h"

namespace rotaline::explorer {

namespace {

QByteArray encoded(const ParameterBlock& block) {
    return QByteArray::fromStdString(encodeSettingsFile(block).value_or(std::string()));
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QMap<QString, QByteArray> settingsFiles(const QString& folder) {
    QMap<QString, QByteArray> files;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.esc")}, QDir::Files)) {
        files.insert(name, bytesOf(dir.filePath(name)));
    }
    return files;
}

// `part` stands in `text` as a number of its own: "2 settings" is not in "12 settings".
bool saysNumber(const QString& text, const QString& part) {
    for (qsizetype at = text.indexOf(part); at >= 0; at = text.indexOf(part, at + 1)) {
        if (at == 0 || !text[at - 1].isDigit()) {
            return true;
        }
    }
    return false;
}

// A caption as a text names it: without access keys and the dots of an item that asks more.
QString named(QString caption) {
    static const QRegularExpression marks(QStringLiteral("\\(&.\\)|&|\\.\\.\\.|…"));
    return caption.remove(marks).trimmed();
}

// What the controller's value means at a slot, or "nothing" where it was never sent one.
QString meaning(const QMap<int, int>& received, int slot) {
    return received.contains(slot) ? QString::fromStdString(meaningOf(slot, received[slot]))
                                   : QStringLiteral("nothing");
}

const ValueControl& controlOf(const Session& s, const Parameter& parameter) {
    return dynamic_cast<const ValueControl&>(*s.form.find(fromView(parameter.control)));
}

QStringList windowState(Session& s) {
    QStringList state{QString::fromLatin1(encoded(s.form.block()))};
    for (const Parameter& parameter : Parameters) {
        const ValueControl& control = controlOf(s, parameter);
        state << QStringLiteral("%1 %2").arg(control.name()).arg(control.value());
    }
    const QMap<int, int> received = s.port.receivedOnceCarried();
    for (auto it = received.begin(); it != received.end(); ++it) {
        state << QStringLiteral("controller slot %1 = %2").arg(it.key()).arg(it.value());
    }
    return state;
}

// A record but for when it was written and whether the line has carried it yet.
QString whatIsRecorded(JournalRecord record) {
    record.time.clear();
    record.delivery = Delivery::InFull;
    return QString::fromLatin1(journalLine(record));
}

const QSet<QAccessible::Role> Named{QAccessible::ComboBox,  QAccessible::RadioButton,
                                    QAccessible::CheckBox,  QAccessible::PushButton,
                                    QAccessible::ScrollBar, QAccessible::EditableText,
                                    QAccessible::PageTab,   QAccessible::ProgressBar};
const QSet<QAccessible::Role> Valued{QAccessible::ComboBox, QAccessible::ScrollBar};

}  // namespace

const Promises::Promise Promises::Table[] = {
    {"controller", "the controller has what the window shows, or the setting is marked not sent",
     &Promises::controllerHasWhatIsShown},
    {"count", "the status bar counts the settings marked not sent",
     &Promises::statusCountsTheMarked},
    {"title", "the title names the file last opened or saved, marked while the window differs",
     &Promises::titleNamesTheFile},
    {"files", "no file but the one named changes without a question answered Yes",
     &Promises::onlyTheNamedFileChanges},
    {"greyed", "no status, lamp or box text names a greyed command",
     &Promises::noTextNamesAGreyedCommand},
    {"port", "no box calls the port invalid while its adapter is plugged in",
     &Promises::noBoxRefusesTheAdapter},
    {"journal", "the journal records what the controller received, and every record can be shown",
     &Promises::journalRecordsWhatWasReceived},
    {"undo", "Undo then Redo, and Save then Open, leave window and controller as they were",
     &Promises::undoAndReopenKeepTheWindow},
    {"note", "every note line names something the controller received, or a failure",
     &Promises::noteNamesWhatWasReceived},
    {"names", "every control has a name, every list and bar a value",
     &Promises::everyControlIsNamed},
    {"boxes", "one user step raises at most one box besides the question it asks",
     &Promises::oneBoxAStep},
};

Promises::Promises(Session& session)
    : s_(session),
      skipped_(qEnvironmentVariable("ROTALINE_EXPLORER_SKIP").split(QLatin1Char(','))) {
    look();
    remember();
}

QString Promises::check(const Done& done) {
    learn(done);
    look();
    QString broken;
    for (const Promise& promise : Table) {
        if (const QString why = checks(promise.name) ? (this->*promise.check)(done) : QString();
            !why.isEmpty()) {
            broken = QStringLiteral("promise \"%1\" (%2) broken: %3")
                         .arg(QLatin1String(promise.name), QLatin1String(promise.words), why);
            break;
        }
    }
    remember();
    return broken;
}

// The file the step opened or saved becomes the one the title should name.
void Promises::learn(const Done& done) {
    const Language& language = *s_.form.flags().language;
    bool refused = false;
    bool failed = false;
    for (const UserDialogs::Box& box : s_.dialogs.boxes()) {
        refused = refused || box.text == settingsFaultMessage(SettingsFault::BadFlag, language) ||
                  box.text == settingsFaultMessage(SettingsFault::Damaged, language);
        failed = failed || !box.question;
    }
    const QString saved = failed ? QString() : s_.dialogs.saved();
    const QString opened = done.words.isEmpty() || refused ? QString() : done.opened;
    if (!saved.isEmpty() || !opened.isEmpty()) {
        current_ = QFileInfo(saved.isEmpty() ? opened : saved).absoluteFilePath();
        reference_ = encoded(s_.form.block());
    }
    if (!saved.isEmpty()) {
        saved_.insert(current_, bytesOf(saved));
    }
}

// The files and the journal, once a step and only where they are checked, as reading them costs
// the most.
void Promises::look() {
    filesNow_ = checks("files") ? settingsFiles(s_.folder) : QMap<QString, QByteArray>();
    journalNow_ = checks("journal") ? s_.records() : std::vector<JournalRecord>();
}

// What the next step is judged against.
void Promises::remember() {
    files_ = filesNow_;
    currentBefore_ = current_;
    note_ = s_.form.controls().Text1->text();
    records_.clear();
    for (const JournalRecord& record : journalNow_) {
        records_ << QString::fromLatin1(journalLine(record)) << whatIsRecorded(record);
    }
    s_.dialogs.newStep();
    s_.port.forget();
}

// Each setting the user can set now; none before a model is chosen, when the window shows
// nothing the controller was set with, and none marked not sent.
QString Promises::controllerHasWhatIsShown(const Done&) {
    const Controls& c = s_.form.controls();
    if (c.ComboCTRmodel[static_cast<std::size_t>(c.SSTab1->selected())]->listIndex() < 0) {
        return {};
    }
    const QMap<int, int> received = s_.port.receivedOnceCarried();
    for (const Parameter& parameter : Parameters) {
        const int slot = parameter.slot;
        const ValueControl& control = controlOf(s_, parameter);
        int shown = control.value();
        if (parameter.encoding == WireEncoding::CellCode) {
            const QString text = dynamic_cast<const ComboList&>(control).text();
            shown = cellCode((text.isEmpty() ? QStringLiteral("Auto") : text).toStdString());
        }
        if (s_.form.letsSet(slot) && !s_.form.isUnsent(slot) && received.value(slot, -1) != shown) {
            return QStringLiteral("%1 shows %2, the controller has %3, and it is not marked")
                .arg(control.name(), QString::fromStdString(meaningOf(slot, shown)),
                     meaning(received, slot));
        }
    }
    return {};
}

QString Promises::statusCountsTheMarked(const Done&) {
    for (const Parameter& parameter : Parameters) {
        const ValueControl& control = controlOf(s_, parameter);
        if (s_.form.isUnsent(parameter.slot) && control.unsentMark().isEmpty()) {
            return control.name() + QStringLiteral(" is not sent but not marked");
        }
    }
    const int count = s_.form.unsentCount();
    const QString status = s_.window.lineText()->wholeText();
    const Language& language = *s_.form.flags().language;
    const QString port = QStringLiteral("COM%1").arg(s_.form.controls().ComboCOM->listIndex() + 1);
    for (int said = 1; said <= SlotCount; ++said) {
        for (const bool sendAll : {true, false}) {
            if (said != count && (saysNumber(status, unsentText(said, sendAll, language)) ||
                                  saysNumber(status, backText(port, said, sendAll, language)))) {
                return QStringLiteral("the status bar says \"%1\" with %2 marked")
                    .arg(status, QString::number(count));
            }
        }
    }
    return {};
}

QString Promises::titleNamesTheFile(const Done& done) {
    if (current_.isEmpty()) {
        return {};
    }
    const bool changed = encoded(s_.form.block()) != reference_;
    const QString expected = QFileInfo(current_).fileName() + (changed ? "*" : "");
    const QString title = s_.window.windowTitle().section(QStringLiteral(" \u2014 "), 0, 0);
    if (title != expected) {
        return QStringLiteral("the title says \"%1\", not \"%2\"").arg(title, expected);
    }
    const std::optional<SetupSheet> sheet = done.sheet ? s_.sheets.sheet() : std::nullopt;
    const QString facts = sheet ? sheet->facts.join(QStringLiteral("; ")) : QString();
    if (sheet && !facts.contains(QFileInfo(current_).fileName())) {
        return QStringLiteral("the setup sheet says \"%1\"").arg(facts);
    }
    return {};
}

QString Promises::onlyTheNamedFileChanges(const Done&) {
    QStringList names = filesNow_.keys() + files_.keys();
    names.removeDuplicates();
    for (const QString& name : names) {
        const bool allowed = s_.dialogs.answeredYes() || !files_.contains(name) ||
                             QFileInfo(currentBefore_).fileName() == name;  // all in one folder
        if (filesNow_.value(name) != files_.value(name) && !allowed) {
            return QStringLiteral("%1 changed, the window's file \"%2\", no Yes")
                .arg(name, QFileInfo(currentBefore_).fileName());
        }
    }
    return {};
}

QString Promises::noTextNamesAGreyedCommand(const Done&) {
    QStringList greyed;
    for (QAction* menu : s_.window.menuBar()->actions()) {
        for (QAction* item :
             menu->menu() != nullptr ? menu->menu()->actions() : QList<QAction*>()) {
            if (!item->isSeparator() && !item->isEnabled()) {
                greyed << named(menu->text()) + QStringLiteral(" > ") + named(item->text());
            }
        }
    }
    QStringList texts{s_.window.lineText()->wholeText(), s_.form.controls().ImageOff->toolTip(),
                      s_.form.controls().ImageOn->toolTip()};
    for (const UserDialogs::Box& box : s_.dialogs.boxes()) {
        texts << box.text;
    }
    for (const QString& text : texts) {
        for (const QString& command : greyed) {
            if (text.contains(command)) {
                return QStringLiteral("\"%1\" names %2, which is greyed").arg(text, command);
            }
        }
    }
    return {};
}

QString Promises::noBoxRefusesTheAdapter(const Done&) {
    const int chosen = s_.form.controls().ComboCOM->listIndex() + 1;
    const QString refusal =
        texts::Messages(*s_.form.flags().language, texts::InvalidPortFirst).trimmed();
    const bool there = s_.port.isIn() && chosen == s_.port.number();
    for (const UserDialogs::Box& box : s_.dialogs.boxes()) {
        if (there && box.text.contains(refusal)) {
            return QStringLiteral("\"%1\" with the adapter on COM%2").arg(box.text).arg(chosen);
        }
    }
    return {};
}

// The record of the session begun last, once sent in full, claims every value it holds that
// the controller was sent (one never sent is the window's to mark); an earlier session's record
// says what the controller had before a later one changed it. Once a port is chosen again no
// session is current, and a change is recorded by none until one begins: a record completed
// after that says what its own session handed over, not what the controller has now.
QString Promises::journalRecordsWhatWasReceived(const Done&) {
    const QMap<int, int>& received = s_.port.received();
    const bool current = s_.form.journalled().has_value();
    for (const JournalRecord& record : journalNow_) {
        const QString line = QString::fromLatin1(journalLine(record));
        const bool latest = current && !records_.contains(line) && &record == &journalNow_.front();
        if (!records_.contains(whatIsRecorded(record)) && s_.port.messages().isEmpty()) {
            return QStringLiteral("\"%1\" recorded, nothing received").arg(line.trimmed());
        }
        for (const Parameter& parameter : Parameters) {
            const int slot = parameter.slot;
            if (latest && record.delivery == Delivery::InFull && record.block.inUse[slot] &&
                parameter.encoding == WireEncoding::ValuePlusOne && received.contains(slot) &&
                received[slot] != record.block.value[slot]) {
                return QStringLiteral("sent in full, slot %1 = %2, the controller has %3")
                    .arg(slot)
                    .arg(record.block.value[slot])
                    .arg(meaning(received, slot));
            }
        }
        const Language& language = *s_.form.flags().language;
        const QString shown = fromView(language.menuItem) + line;
        if (!shownRecords_.contains(shown) && !describeBlock(record.block, language)) {
            return QStringLiteral("History cannot show the record \"%1\"").arg(line.trimmed());
        }
        shownRecords_.insert(shown);
    }
    return {};
}

QString Promises::undoAndReopenKeepTheWindow(const Done& done) {
    if (!done.fault.isEmpty()) {
        return done.fault;
    }
    const QString opened = QFileInfo(done.opened).absoluteFilePath();
    if (done.opened.isEmpty() || current_ != opened || !saved_.contains(opened) ||
        bytesOf(opened) != saved_[opened]) {
        return {};
    }
    ParameterBlock saved;
    decodeSettingsLines(readSettingsLines(opened).value_or(QList<QByteArray>()), 0, SlotCount,
                        saved);
    ParameterBlock shown = s_.form.block();
    shown.value[PortSlot] = saved.value[PortSlot];  // the port is the one chosen now
    if (shown != saved) {
        return QStringLiteral("%1 was saved as %2 and opens as %3")
            .arg(QFileInfo(opened).fileName(), QString::fromLatin1(encoded(saved)),
                 QString::fromLatin1(encoded(shown)));
    }
    return {};
}

// The lines a step wrote: those added to the note, or all of a note written anew. A step that
// reached no controller may write only failures.
QString Promises::noteNamesWhatWasReceived(const Done&) {
    const QString note = s_.form.controls().Text1->text();
    if (note == note_ || !s_.port.messages().isEmpty()) {
        return {};
    }
    const QString failure =
        texts::Messages(*s_.form.flags().language, texts::PortInvalidNote).trimmed();
    const QString written = note.startsWith(note_) ? note.mid(note_.size()) : note;
    for (const QString& line : written.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        if (!line.contains(failure)) {
            return QStringLiteral("the note says \"%1\" though the controller received nothing")
                .arg(line);
        }
    }
    return {};
}

QString Promises::everyControlIsNamed(const Done&) {
    for (QWidget* widget : s_.window.findChildren<QWidget*>()) {
        QAccessibleInterface* control = widget->isVisibleTo(&s_.window)
                                            ? QAccessible::queryAccessibleInterface(widget)
                                            : nullptr;
        if (control == nullptr || !Named.contains(control->role())) {
            continue;
        }
        const QString who = s_.window.widgetName(widget).isEmpty()
                                ? QString::fromLatin1(widget->metaObject()->className())
                                : s_.window.widgetName(widget);
        if (control->text(QAccessible::Name).trimmed().isEmpty()) {
            return who + QStringLiteral(" has no accessible name");
        }
        const QString value = control->valueInterface() != nullptr
                                  ? control->valueInterface()->currentValue().toString()
                                  : control->text(QAccessible::Value);
        if (Valued.contains(control->role()) && value.trimmed().isEmpty()) {
            return who + QStringLiteral(" (\"%1\") has no accessible value")
                             .arg(control->text(QAccessible::Name));
        }
    }
    return {};
}

QString Promises::oneBoxAStep(const Done& done) {
    QStringList shown;
    for (const UserDialogs::Box& box : s_.dialogs.boxes()) {
        shown << (box.question ? QStringList() : QStringList{'"' + box.text.simplified() + '"'});
    }
    return shown.size() > done.actions ? shown.join(QStringLiteral(", ")) : QString();
}

QString undoThenRedo(Session& s) {
    const QStringList before = windowState(s);
    s.window.action(QStringLiteral("mnuUndo"))->trigger();
    s.window.action(QStringLiteral("mnuRedo"))->trigger();
    const QStringList after = windowState(s);
    for (qsizetype i = 0; i < std::max(before.size(), after.size()); ++i) {
        if (before.value(i) != after.value(i)) {
            return QStringLiteral("Undo then Redo left \"%1\" where it was \"%2\"")
                .arg(after.value(i), before.value(i));
        }
    }
    return {};
}

}  // namespace rotaline::explorer
