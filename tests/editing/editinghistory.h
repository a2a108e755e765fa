#pragma once

#include "gedcom/readsession.h"
#include "model/person.h"
#include "model/session.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>

namespace kinrow::testing {

// Random editing of a family through the core's operations, each used as the person page
// allows it: parents added or linked only where missing, children linked with the selected
// spouse, deletions only where the chain rule permits. Each operation is recorded in the
// session's history as the page records it.
class EditingHistory
{
public:
    EditingHistory(PersonList persons, quint64 seed);

    // Some persons of unknown sex, as files of other programs bring them: persons without
    // spouses, and couples of whom neither partner's sex is known.
    void forgetSomeSexes();
    // One operation on a random anchor; false when the drawn operation did not apply.
    bool step();

    const PersonList& persons() const { return session_.persons(); }
    Session& session() { return session_; }

private:
    int below(int n);
    qint32 anyone();
    bool addRelative(qint32 anchor);
    QString blankNote();
    bool linkExisting(qint32 anchor);
    bool unlink(qint32 anchor);
    bool move(qint32 anchor);
    bool remove(qint32 anchor);
    bool changeSex(qint32 anchor);

    Session session_;
    quint64 random_;
};

// What the dialect carries of a note: everything but the blanks that end a line, and runs of
// blanks longer than a file line can hold.
QString CarriedNote(const QString& note);

// The persons as a file written and read again must give them back: notes and dates as the
// dialect carries them, and an unknown sex settled by the reader from a spouse of known sex.
PersonList CarriedPersons(PersonList persons);

// The first difference between two person lists, field by field; nothing when they are equal.
// The children of the records in anyChildOrder may come in any order.
std::optional<QString> FirstDifference(const PersonList& got, const PersonList& want,
                                       const QSet<qint32>& anyChildOrder = {});

// Whether a family file can give back person n's children in their order. A file gives a
// person its children family by family: first the families shared with its spouses, in spouse
// order, then its other families; a couple's family's children in the husband's order. A
// child whose other parent is no spouse, or a spouse not listing it, stands in the person's
// family alone, which holds all such children. An order that breaks these rules cannot be written
// with one family per couple, and reopening puts the children in family order.
bool ChildOrderExpressible(const PersonList& persons, qint32 n);

// Writes the persons, reads the file back and returns the first difference, nothing when none:
// every field and every order of children comes back, the error list stays closed, the order
// marker stands exactly where ChildOrderExpressible says the families cannot carry the order,
// and a second save gives the same file. *named counts the records with the marker.
std::optional<QString> RoundTripDifference(const PersonList& persons, int* named = nullptr);

} // namespace kinrow::testing
