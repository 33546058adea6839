#pragma once

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

#include "explorer/Steps.h"
#include "files/SendJournal.h"
#include "window/controls/ValueControl.h"

namespace rotaline::explorer {

class Session;

// The window's promises, checked after every step against what the user did and saw so far:
// the file last opened or saved and the window then, every file's bytes, the journal and the
// note before the step.
class Promises {
public:
    explicit Promises(Session& session);

    // The first promise `done` left broken, named and said why; "" when all hold.
    QString check(const Done& done);

    // ROTALINE_EXPLORER_SKIP lists the promises left unchecked by name, comma-separated.

private:
    using Check = QString (Promises::*)(const Done&);
    struct Promise {
        const char* name;
        const char* words;
        Check check;
    };
    static const Promise Table[];

    bool checks(const char* name) const { return !skipped_.contains(QLatin1String(name)); }
    void learn(const Done& done);
    void look();
    void remember();
    QString controllerHasWhatIsShown(const Done& done);
    QString statusCountsTheMarked(const Done& done);
    QString titleNamesTheFile(const Done& done);
    QString onlyTheNamedFileChanges(const Done& done);
    QString noTextNamesAGreyedCommand(const Done& done);
    QString noBoxRefusesTheAdapter(const Done& done);
    QString journalRecordsWhatWasReceived(const Done& done);
    QString undoAndReopenKeepTheWindow(const Done& done);
    QString noteNamesWhatWasReceived(const Done& done);
    QString everyControlIsNamed(const Done& done);
    QString oneBoxAStep(const Done& done);

    Session& s_;
    QStringList skipped_;
    QString current_;       // the file last opened or saved ("": none yet)
    QByteArray reference_;  // the window's settings as that file then had them
    QString currentBefore_;
    QMap<QString, QByteArray> files_;  // every settings file's bytes before the step
    QMap<QString, QByteArray> filesNow_;
    std::vector<JournalRecord> journalNow_;
    QMap<QString, QByteArray> saved_;  // what was last saved to each file
    QStringList records_;  // the journal before the step, each record also as whatIsRecorded
    QString note_;
    QSet<QString> shownRecords_;  // records History can show, each after its language's item
};

// What Undo then Redo should leave as it was: every setting shown, the block and the controller
// (a mark may say that Redo could not be sent); "" when they are as before.
QString undoThenRedo(Session& session);

}  // namespace rotaline::explorer
