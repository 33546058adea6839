#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "files/SendJournal.h"
#include "window/record/BlockDescription.h"

namespace rotaline {

// One setting on the sheet: the factory value only beside a changed one.
struct SheetRow {
    QString caption;
    QString value;
    QString factory;  // "" when the value is the factory's
    bool unsent = false;
};

// A setup sheet to keep with the model, every text in the language it is printed in.
struct SetupSheet {
    QString title;
    QStringList facts;    // file, date, type, model, and what the journal says of them
    QStringList columns;  // setting, value, factory value
    std::vector<SheetRow> rows;
    QString unsentMark;  // beside a row not sent to the controller
    QString notes;       // over the space left for handwritten notes
};

// The sheet of `described`: `file` is the settings file shown ("" when not saved), `changed`
// whether the settings differ from it since, `date` the day it is made, `unsent` tells a
// setting not sent to the controller by its slot, and `journalled` how the journal says the
// settings were sent (nothing: the sheet says nothing of it).
SetupSheet setupSheet(const DescribedBlock& described, const QString& file, bool changed,
                      const QString& date, const std::function<bool(int slot)>& unsent,
                      std::optional<Delivery> journalled, const Language& language);

// How the newest of `records` that left a controller with the settings of `described` was
// sent; nothing when none did.
std::optional<Delivery> journalledDelivery(const std::vector<JournalRecord>& records,
                                           const DescribedBlock& described,
                                           const Language& language);

}  // namespace rotaline
