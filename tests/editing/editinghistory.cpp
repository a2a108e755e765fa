#include "editing/editinghistory.h"

#include "editing/addforms.h"
#include "editing/deletion.h"
#include "editing/familyedits.h"
#include "editing/linking.h"
#include "editing/reordering.h"
#include "editing/sexchange.h"
#include "gedcom/gedcomreader.h"
#include "gedcom/gedcomwriter.h"
#include "model/familychange.h"
#include "model/textrules.h"

#include <QRegularExpression>

#include <algorithm>

namespace kinrow::testing {

namespace {

const QString kNames[] = {u"ALİ"_qs, u"AYŞE"_qs, u"ÇİĞDEM"_qs, u"ŞÜKRÜ"_qs, u"İPEK"_qs};

bool knownSex(char sex)
{
    return sex == SexMale || sex == SexFemale;
}

const TTreeData& at(const PersonList& persons, qint32 n)
{
    return persons[size_t(n - 1)];
}

} // namespace

EditingHistory::EditingHistory(PersonList persons, quint64 seed) : random_(seed * 2 + 1)
{
    session_.replaceFamily(std::move(persons));
}

int EditingHistory::below(int n)
{
    random_ = random_ * 6364136223846793005ull + 1442695040888963407ull;
    return int((random_ >> 33) % quint64(n));
}

qint32 EditingHistory::anyone()
{
    return qint32(1 + below(int(session_.persons().size())));
}

void EditingHistory::forgetSomeSexes()
{
    PersonList persons = session_.persons();
    for (int k = below(4); k > 0 && !persons.empty(); --k) {
        TTreeData& p = persons[size_t(anyone() - 1)];
        if (p.Spouses.isEmpty()) {
            p.Sex = '\0';
        } else if (p.Spouses.size() == 1) {
            TTreeData& s = persons[size_t(p.Spouses[0] - 1)];
            if (s.Spouses.size() == 1)
                p.Sex = s.Sex = '\0';
        }
    }
    session_.replaceFamily(std::move(persons));
}

bool EditingHistory::step()
{
    if (session_.persons().empty())
        return false;
    const qint32 anchor = anyone();
    session_.setRecNoMain(anchor);
    switch (below(12)) {
    case 0:
    case 1:
    case 2:
        return addRelative(anchor);
    case 3:
    case 4:
        return linkExisting(anchor);
    case 5:
    case 6:
        return unlink(anchor);
    case 7:
    case 8:
    case 9:
        return move(anchor);
    case 10:
        return remove(anchor);
    default:
        return changeSex(anchor);
    }
}

bool EditingHistory::addRelative(qint32 anchor)
{
    const TTreeData& a = at(session_.persons(), anchor);
    const auto role = RelativeRole(below(4));
    if ((role == RelativeRole::Mother && a.MotherId != 0) ||
        (role == RelativeRole::Father && a.FatherId != 0))
        return false;
    const int spouses = int(a.Spouses.size());
    const int selected = spouses == 0 ? -1 : below(spouses + 1) - 1;
    AddFormPrefill prefill = PrepareAddForm(session_.persons(), anchor, role, selected,
                                            below(2) ? Lang::English : Lang::Turkish);
    PersonForm& form = prefill.Form;
    form.GivenName = kNames[below(5)];
    if (form.Surname.isEmpty() && below(2))
        form.Surname = kNames[below(5)];
    switch (below(6)) {
    case 0:
        form.Notes = u"Satır\r\nikinci"_qs;
        break;
    case 1:
        form.Notes = blankNote();
        break;
    default:
        form.Notes.clear();
    }
    // The sex button only toggles the form while the form lists no spouse and no child.
    if (form.Spouses.isEmpty() && form.Children.isEmpty() && below(3) == 0)
        form.SexTag = 3 - form.SexTag;
    session_.beginEditing(prefill.Mode);
    const bool written = AcceptForm(session_, form) != 0;
    session_.endEditing();
    return written;
}

QString EditingHistory::blankNote()
{
    // Lines long enough to be cut, with blanks anywhere but at their ends (which no file
    // line can keep) and runs of them across the cut points.
    QString note;
    for (int line = below(3); line >= 0; --line) {
        QString text;
        for (int i = 230 + below(300); i > 0; --i)
            text += below(4) == 0 ? QString(1 + below(3) * below(8), u' ')
                                  : QString(QChar(u'a' + below(26)));
        text += u'z';
        note += (note.isEmpty() ? QString() : u"\r\n"_qs) + text;
    }
    return note;
}

bool EditingHistory::linkExisting(qint32 anchor)
{
    const PersonList& persons = session_.persons();
    const TTreeData& a = at(persons, anchor);
    const auto role = RelativeRole(below(4));
    if ((role == RelativeRole::Mother && a.MotherId != 0) ||
        (role == RelativeRole::Father && a.FatherId != 0))
        return false;
    const QList<qint32> candidates = LinkCandidates(persons, anchor, role);
    if (candidates.isEmpty())
        return false;
    const qint32 picked = candidates[below(int(candidates.size()))];
    const int spouses = int(a.Spouses.size());
    const int index = SpouseSelectionForLink(spouses, spouses == 0 ? -1 : below(spouses + 1) - 1);
    const qint32 spouse = index < 0 ? 0 : a.Spouses[index];
    return LinkRelative(session_, role, picked, spouse);
}

bool EditingHistory::unlink(qint32 anchor)
{
    const TTreeData& a = at(session_.persons(), anchor);
    switch (below(3)) {
    case 0:
        return RemoveParentLink(session_, RelativeRole::Mother);
    case 1:
        return RemoveParentLink(session_, RelativeRole::Father);
    default:
        return !a.Spouses.isEmpty() && RemoveSpouseLink(session_, below(int(a.Spouses.size())));
    }
}

bool EditingHistory::move(qint32 anchor)
{
    const TTreeData& a = at(session_.persons(), anchor);
    const bool spouses = below(3) == 0;
    const int count = int(spouses ? a.Spouses.size() : a.Children.size());
    if (count < 2)
        return false;
    const int i = below(count);
    const int j = i == 0 ? 1 : (i == count - 1 || below(2) ? i - 1 : i + 1);
    return spouses ? SwapSpouses(session_, i, j) : SwapChildren(session_, i, j);
}

bool EditingHistory::remove(qint32 anchor)
{
    if (CheckDeletion(session_.persons(), anchor, false) != DeleteRefusal::None)
        return false;
    DeleteCurrent(session_);
    return true;
}

bool EditingHistory::changeSex(qint32 anchor)
{
    const TTreeData& a = session_.persons()[size_t(anchor - 1)];
    if (a.Spouses.isEmpty() && a.Children.isEmpty()) {
        FamilyChange correction(session_, StepKind::Correct, {anchor});
        TTreeData& corrected = correction.record(anchor);
        corrected.Sex = corrected.Sex == SexMale ? SexFemale : SexMale; // stored by the OK
        correction.commit();
        return true;
    }
    const QList<qint32> group = SpouseGroup(session_.persons(), anchor);
    ChangeGroupSex(session_, group, AffectedChildren(session_.persons(), group));
    return true;
}

QString CarriedNote(const QString& note)
{
    if (note.trimmed().isEmpty())
        return {};
    // A file line carries at most this many blanks before the letter that ends it.
    constexpr qsizetype kMostBlanks = 248;
    QStringList lines;
    for (QString line : note.split(QRegularExpression(u"\r\n|\r|\n"_qs))) {
        while (!line.isEmpty() && line.back() <= u' ')
            line.chop(1);
        QString kept;
        qsizetype run = 0;
        for (QChar c : line) {
            run = c <= u' ' ? run + 1 : 0;
            if (run <= kMostBlanks)
                kept += c;
        }
        lines << kept;
    }
    return lines.join(u"\r\n"_qs);
}

PersonList CarriedPersons(PersonList persons)
{
    for (TTreeData& p : persons) {
        p.Notes = CarriedNote(p.Notes);
        p.BirthDate = ParseDateText(FormatDateValue(p.BirthDate));
        p.DeathDate = ParseDateText(FormatDateValue(p.DeathDate));
    }
    // The reader gives a person of unknown sex the sex opposite its last spouse of known sex,
    // record by record, so a sex settled earlier counts for later records.
    for (TTreeData& p : persons) {
        if (knownSex(p.Sex))
            continue;
        for (qint32 s : p.Spouses) {
            const char sex = at(persons, s).Sex;
            if (knownSex(sex))
                p.Sex = sex == SexMale ? SexFemale : SexMale;
        }
    }
    return persons;
}

std::optional<QString> FirstDifference(const PersonList& got, const PersonList& want,
                                       const QSet<qint32>& anyChildOrder)
{
    if (got.size() != want.size())
        return QStringLiteral("%1 persons instead of %2").arg(got.size()).arg(want.size());
    auto list = [](const QList<qint32>& l) {
        QStringList t;
        for (qint32 n : l)
            t << QString::number(n);
        return t.join(u' ');
    };
    for (size_t i = 0; i < got.size(); ++i) {
        const TTreeData& g = got[i];
        const TTreeData& w = want[i];
        const QString who = QStringLiteral("record %1: ").arg(i + 1);
        if (g.Id != w.Id || g.GivenName != w.GivenName || g.Surname != w.Surname ||
            g.BirthPlace != w.BirthPlace || g.BirthDate != w.BirthDate ||
            g.DeathDate != w.DeathDate || g.Notes != w.Notes || g.Pictures != w.Pictures)
            return who + u"fields differ"_qs;
        if (g.Sex != w.Sex)
            return who + QStringLiteral("sex %1 instead of %2").arg(g.Sex).arg(w.Sex);
        if (g.MotherId != w.MotherId || g.FatherId != w.FatherId)
            return who + QStringLiteral("parents %1,%2 instead of %3,%4")
                             .arg(g.MotherId)
                             .arg(g.FatherId)
                             .arg(w.MotherId)
                             .arg(w.FatherId);
        if (g.Spouses != w.Spouses)
            return who + u"spouses "_qs + list(g.Spouses) + u" instead of "_qs + list(w.Spouses);
        QList<qint32> children = g.Children;
        if (anyChildOrder.contains(qint32(i + 1)) && children.size() == w.Children.size()) {
            std::sort(children.begin(), children.end());
            QList<qint32> wanted = w.Children;
            std::sort(wanted.begin(), wanted.end());
            if (children == wanted)
                continue;
        }
        if (g.Children != w.Children)
            return who + u"children "_qs + list(g.Children) + u" instead of "_qs + list(w.Children);
    }
    return std::nullopt;
}

namespace {

// The family a parent's child belongs to in a file: its own parents' pair when the child names
// the parent and the other parent is none or a spouse listing the child; otherwise the
// parent's family alone,
// the side of its sex.
std::pair<qint32, qint32> familyKey(const PersonList& persons, qint32 n, qint32 c)
{
    const TTreeData& p = at(persons, n);
    const TTreeData& child = at(persons, c);
    const bool father = child.FatherId == n;
    if (father || child.MotherId == n) {
        const qint32 other = father ? child.MotherId : child.FatherId;
        if (other == 0 || (p.Spouses.contains(other) && at(persons, other).Children.contains(c)))
            return {child.FatherId, child.MotherId};
    }
    return p.Sex == SexFemale ? std::pair<qint32, qint32>{0, n} : std::pair<qint32, qint32>{n, 0};
}

// The family of a couple as a file names it: a man is its husband, a woman its wife; a
// partner of unknown sex takes the side opposite the other's known sex, and of two of unknown
// sex the lower number is the husband.
std::pair<qint32, qint32> coupleKey(const PersonList& persons, qint32 n, qint32 s)
{
    const char sex = at(persons, n).Sex;
    const char other = at(persons, s).Sex;
    if (sex == SexMale || (!knownSex(sex) && (other == SexFemale || (!knownSex(other) && n < s))))
        return {n, s};
    return {s, n};
}

} // namespace

bool ChildOrderExpressible(const PersonList& persons, qint32 n)
{
    const TTreeData& p = at(persons, n);
    QList<std::pair<qint32, qint32>> order; // families in the order the children run through them
    for (qint32 c : p.Children) {
        const auto key = familyKey(persons, n, c);
        if (order.isEmpty() || order.back() != key) {
            if (order.contains(key))
                return false; // the family's children are not kept together
            order << key;
        }
    }
    // Families of spouses come first, in spouse order.
    QList<std::pair<qint32, qint32>> spouseFamilies;
    for (qint32 s : p.Spouses)
        if (order.contains(coupleKey(persons, n, s)))
            spouseFamilies << coupleKey(persons, n, s);
    if (order.mid(0, spouseFamilies.size()) != spouseFamilies)
        return false;
    // A couple's family lists the husband's children of it in his order, then the wife's that
    // he does not list; the wife's children of it must come in that order.
    for (const auto& key : order) {
        if (key.first <= 0 || key.second != n)
            continue;
        const auto inFamily = [&](qint32 parent) {
            QList<qint32> children;
            for (qint32 c : at(persons, parent).Children)
                if (familyKey(persons, parent, c) == key && !children.contains(c))
                    children << c;
            return children;
        };
        const QList<qint32> hers = inFamily(n);
        QList<qint32> family = inFamily(key.first);
        for (qint32 c : hers)
            if (!family.contains(c))
                family << c;
        if (hers != family)
            return false;
    }
    return true;
}

namespace {

QString numbers(const QSet<qint32>& set)
{
    QList<qint32> sorted(set.begin(), set.end());
    std::sort(sorted.begin(), sorted.end());
    QStringList t;
    for (qint32 n : sorted)
        t << QString::number(n);
    return t.join(u' ');
}

} // namespace

namespace {

QString firstOtherLine(const QByteArray& got, const QByteArray& want)
{
    const QList<QByteArray> g = got.split('\n'), w = want.split('\n');
    for (qsizetype i = 0; i < qMin(g.size(), w.size()); ++i)
        if (g[i] != w[i])
            return QStringLiteral("line %1 is %2 instead of %3")
                .arg(i + 1)
                .arg(QString::fromLatin1(g[i].trimmed()), QString::fromLatin1(w[i].trimmed()));
    return QStringLiteral("%1 lines instead of %2").arg(g.size()).arg(w.size());
}

} // namespace

std::optional<QString> RoundTripDifference(const PersonList& persons, int* namedCount)
{
    const QString fileName = QStringLiteral("/nonexistent/kinrow-history/aile.ged");
    const QByteArray bytes = WriteGedcomBytes(persons, fileName, {});
    PersonList read;
    ErrorList errors;
    if (!ReadGedcomBytes(bytes, fileName, read, errors, {}))
        return QStringLiteral("the written file was refused");
    const PersonList want = CarriedPersons(persons);
    if (const std::optional<QString> difference = FirstDifference(read, want))
        return difference;
    if (errors.visible)
        return u"the error list opens: "_qs + errors.lines.join(u" | "_qs);
    // The marker stands exactly where the families cannot carry the order.
    QSet<qint32> marked, modelled;
    qint32 record = 0;
    for (const QByteArray& line : bytes.split('\n')) {
        if (line.startsWith("0 @I"))
            ++record;
        else if (line.startsWith("1 _ORDER CHIL"))
            marked.insert(record);
    }
    for (qint32 n = 1; n <= qint32(persons.size()); ++n)
        if (!ChildOrderExpressible(persons, n))
            modelled.insert(n);
    if (modelled != marked)
        return u"orders the model cannot carry: "_qs + numbers(modelled) + u"; marked: "_qs +
               numbers(marked);
    // Saved again, the file is the same. Where the reader settled a sex, that person's
    // families may change, and a spouse before it in the file is settled by the next reading;
    // once no sex is settled any more, the next save gives the same file.
    QByteArray previous = bytes;
    PersonList before = persons;
    PersonList current = std::move(read);
    for (size_t round = 0; round <= persons.size(); ++round) {
        bool settled = false;
        for (size_t i = 0; i < current.size(); ++i)
            settled = settled || current[i].Sex != before[i].Sex;
        const QByteArray next = WriteGedcomBytes(current, fileName, {});
        if (!settled) {
            if (next != previous)
                return u"a save differs from the one before: "_qs + firstOtherLine(next, previous);
            break;
        }
        PersonList again;
        if (!ReadGedcomBytes(next, fileName, again, errors, {}))
            return u"a second save was refused"_qs;
        before = std::move(current);
        current = std::move(again);
        previous = next;
    }
    if (namedCount)
        *namedCount = int(marked.size());
    return std::nullopt;
}

} // namespace kinrow::testing
