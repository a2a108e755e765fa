#include "model/familycheck.h"

#include "model/textrules.h"

#include <QHash>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <unordered_map>
#include <unordered_set>

namespace kinrow {

namespace {

// Years "about" or "estimated" may lie off by at most this many.
constexpr int AboutYears = 10;
constexpr int NoYearBound = 1000000;

// A date value taken apart, with the span of days it may stand for: one day for a full date,
// its year for a year alone, more where the file said before, after or about.
struct DatePoint
{
    double julian = 0;
    int year = 0;
    int month = 0;
    int day = 0;
    bool full = false;    // a full date without a qualifier
    int earliestYear = 0; // the years it may stand for
    int latestYear = 0;
    double earliest = 0; // the days it may stand for, as Julian Dates
    double latest = 0;
};

std::optional<DatePoint> DateOf(double value, DateQualifier qualifier = DateQualifier::None)
{
    if (!(value > 0) || !std::isfinite(value))
        return std::nullopt;
    DatePoint date;
    if (value < 10000) {
        date.year = int(value);
    } else {
        date.julian = value;
        JulianToDate(value, date.day, date.month, date.year);
        date.full = qualifier == DateQualifier::None;
    }
    if (date.full) {
        date.earliestYear = date.latestYear = date.year;
        date.earliest = date.latest = value;
        return date;
    }
    date.earliestYear = date.latestYear = date.year;
    switch (qualifier) {
    case DateQualifier::Before:
        date.earliestYear = -NoYearBound;
        break;
    case DateQualifier::After:
        date.latestYear = NoYearBound;
        break;
    case DateQualifier::About:
    case DateQualifier::Estimated:
        date.earliestYear -= AboutYears;
        date.latestYear += AboutYears;
        break;
    case DateQualifier::None:
        break;
    }
    const double infinity = std::numeric_limits<double>::infinity();
    date.earliest =
        date.earliestYear == -NoYearBound ? -infinity : DateToJulian(1, 1, date.earliestYear);
    date.latest = date.latestYear == NoYearBound ? infinity : DateToJulian(31, 12, date.latestYear);
    return date;
}

// Whether a is certainly earlier than b, whatever day each stands for.
bool Before(const DatePoint& a, const DatePoint& b)
{
    return a.latest < b.earliest;
}

// Whole years from birth to then, for two full dates.
int AgeAt(const DatePoint& birth, const DatePoint& then)
{
    int years = then.year - birth.year;
    if (then.month < birth.month || (then.month == birth.month && then.day < birth.day))
        --years;
    return years;
}

// A father's child may be born up to ten months after his death.
double TenMonthsAfter(double julian)
{
    int day = 0, month = 0, year = 0;
    JulianToDate(julian, day, month, year);
    month += 10;
    if (month > 12) {
        month -= 12;
        ++year;
    }
    // A day the month lacks (31 August + 10 months) runs into the next month: a day more.
    return DateToJulian(day, month, year);
}

bool IsBlank(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isSpace(); });
}

class Checker
{
public:
    explicit Checker(const PersonList& persons) : persons_(persons), n_(qint32(persons.size())) {}

    std::vector<Finding> run()
    {
        checkDatesAndNames();
        checkParentLinks();
        checkSpouseLinks();
        checkLoops();
        checkSameNames();
        std::stable_sort(
            findings_.begin(), findings_.end(),
            [](const Finding& a, const Finding& b) { return a.recNos.front() < b.recNos.front(); });
        return std::move(findings_);
    }

private:
    bool isRecord(qint32 recNo) const { return recNo >= 1 && recNo <= n_; }
    const TTreeData& at(qint32 recNo) const { return persons_[std::size_t(recNo - 1)]; }
    void add(FindingKind kind, QList<qint32> recNos, int years = 0)
    {
        findings_.push_back({kind, std::move(recNos), years});
    }

    void checkDatesAndNames()
    {
        for (qint32 r = 1; r <= n_; ++r) {
            const TTreeData& person = at(r);
            if (IsBlank(person.GivenName) && IsBlank(person.Surname))
                add(FindingKind::NoName, {r});
            const auto birth = DateOf(person.BirthDate, person.BirthQualifier);
            const auto death = DateOf(person.DeathDate, person.DeathQualifier);
            if (birth && death && Before(*death, *birth))
                add(FindingKind::DeathBeforeBirth, {r});
            if (birth) {
                checkParentAge(r, *birth, person.MotherId);
                checkParentAge(r, *birth, person.FatherId);
                checkBornAfterDeath(r, *birth, person.MotherId, FindingKind::BornAfterMotherDeath);
                checkBornAfterDeath(r, *birth, person.FatherId, FindingKind::BornAfterFatherDeath);
            }
        }
    }

    void checkParentAge(qint32 child, const DatePoint& birth, qint32 parent)
    {
        if (!isRecord(parent) || parent == child)
            return;
        const auto parentBirth = DateOf(at(parent).BirthDate, at(parent).BirthQualifier);
        if (!parentBirth)
            return;
        if (Before(birth, *parentBirth)) {
            add(FindingKind::ChildBornBeforeParent, {child, parent});
            return;
        }
        if (birth.full && parentBirth->full) {
            const int age = AgeAt(*parentBirth, birth);
            if (age < YoungestParent)
                add(FindingKind::ParentTooYoung, {child, parent}, age);
            else if (age > OldestParent)
                add(FindingKind::ParentTooOld, {child, parent}, age);
            return;
        }
        // With a year alone the age may be one less than the difference of the years; a
        // qualified year may be any of those it allows. Reported only when every one of them
        // breaks the rule, with the age nearest to keeping it.
        const int most = birth.latestYear - parentBirth->earliestYear;
        const int least = birth.earliestYear - parentBirth->latestYear;
        if (most < YoungestParent)
            add(FindingKind::ParentTooYoung, {child, parent}, most);
        else if (least - 1 > OldestParent)
            add(FindingKind::ParentTooOld, {child, parent}, least);
    }

    // A child born after the mother's death, or more than ten months after the father's.
    void checkBornAfterDeath(qint32 child, const DatePoint& birth, qint32 parent, FindingKind kind)
    {
        if (!isRecord(parent) || parent == child)
            return;
        const auto death = DateOf(at(parent).DeathDate, at(parent).DeathQualifier);
        if (!death)
            return;
        const bool father = kind == FindingKind::BornAfterFatherDeath;
        const double lastDay =
            father && std::isfinite(death->latest) ? TenMonthsAfter(death->latest) : death->latest;
        if (lastDay < birth.earliest)
            add(kind, {child, parent});
    }

    void checkParentLinks()
    {
        std::vector<char> motherListed(std::size_t(n_), 0);
        std::vector<char> fatherListed(std::size_t(n_), 0);
        for (qint32 p = 1; p <= n_; ++p) {
            for (const qint32 c : at(p).Children) {
                if (!isRecord(c)) {
                    add(FindingKind::MissingRecord, {p, c});
                    continue;
                }
                const bool mother = at(c).MotherId == p;
                const bool father = at(c).FatherId == p;
                motherListed[std::size_t(c - 1)] |= char(mother);
                fatherListed[std::size_t(c - 1)] |= char(father);
                if (!mother && !father)
                    add(FindingKind::ChildNotNaming, {p, c});
            }
        }
        for (qint32 c = 1; c <= n_; ++c) {
            const TTreeData& child = at(c);
            checkParent(c, child.MotherId, motherListed, FindingKind::MotherNotListing);
            checkParent(c, child.FatherId, fatherListed, FindingKind::FatherNotListing);
        }
    }

    void checkParent(qint32 child, qint32 parent, const std::vector<char>& listed, FindingKind kind)
    {
        if (parent == 0)
            return;
        if (!isRecord(parent))
            add(FindingKind::MissingRecord, {child, parent});
        else if (!listed[std::size_t(child - 1)])
            add(kind, {child, parent});
    }

    // Whether person's spouse list holds recNo; long lists are looked up through a set made
    // once, so that a person with very many spouses keeps the check linear.
    bool listsSpouse(qint32 person, qint32 recNo)
    {
        const QList<qint32>& spouses = at(person).Spouses;
        constexpr qsizetype ShortList = 32;
        if (spouses.size() <= ShortList)
            return spouses.contains(recNo);
        auto [it, made] = spouseSets_.try_emplace(person);
        if (made)
            it->second.insert(spouses.begin(), spouses.end());
        return it->second.count(recNo) != 0;
    }

    void checkSpouseLinks()
    {
        for (qint32 a = 1; a <= n_; ++a) {
            for (const qint32 b : at(a).Spouses) {
                if (!isRecord(b))
                    add(FindingKind::MissingRecord, {a, b});
                else if (!listsSpouse(b, a))
                    add(FindingKind::OneSidedSpouse, {a, b});
            }
        }
    }

    qint32 parentLink(qint32 recNo, int which) const
    {
        const qint32 parent = which == 0 ? at(recNo).MotherId : at(recNo).FatherId;
        return isRecord(parent) ? parent : 0;
    }

    // Strongly connected parts of the parent links (Tarjan, without recursion): a part of
    // more than one person, or a person who is their own parent, is a loop.
    void checkLoops()
    {
        const std::size_t n = std::size_t(n_);
        std::vector<qint32> order(n + 1, 0);
        std::vector<qint32> low(n + 1, 0);
        std::vector<char> onStack(n + 1, 0);
        std::vector<qint32> stack;
        struct Frame
        {
            qint32 recNo;
            int edge;
        };
        std::vector<Frame> calls;
        qint32 counter = 0;
        for (qint32 start = 1; start <= n_; ++start) {
            if (order[std::size_t(start)] != 0)
                continue;
            auto visit = [&](qint32 r) {
                order[std::size_t(r)] = low[std::size_t(r)] = ++counter;
                stack.push_back(r);
                onStack[std::size_t(r)] = 1;
                calls.push_back({r, 0});
            };
            visit(start);
            while (!calls.empty()) {
                Frame& frame = calls.back();
                const qint32 v = frame.recNo;
                if (frame.edge < 2) {
                    const qint32 w = parentLink(v, frame.edge++);
                    if (w == 0)
                        continue;
                    if (order[std::size_t(w)] == 0)
                        visit(w);
                    else if (onStack[std::size_t(w)])
                        low[std::size_t(v)] = std::min(low[std::size_t(v)], order[std::size_t(w)]);
                    continue;
                }
                calls.pop_back();
                if (!calls.empty()) {
                    const std::size_t u = std::size_t(calls.back().recNo);
                    low[u] = std::min(low[u], low[std::size_t(v)]);
                }
                if (low[std::size_t(v)] == order[std::size_t(v)])
                    takeComponent(v, stack, onStack);
            }
        }
    }

    void takeComponent(qint32 root, std::vector<qint32>& stack, std::vector<char>& onStack)
    {
        const auto from = std::find(stack.rbegin(), stack.rend(), root).base() - 1;
        std::vector<qint32> members(from, stack.end());
        stack.erase(from, stack.end());
        for (const qint32 r : members)
            onStack[std::size_t(r)] = 0;
        const bool selfParent = at(root).MotherId == root || at(root).FatherId == root;
        if (members.size() > 1 || selfParent)
            add(FindingKind::OwnAncestor, loopThrough(members));
    }

    // The shortest chain of parent links from the part's lowest record back to itself.
    QList<qint32> loopThrough(const std::vector<qint32>& members)
    {
        const qint32 first = *std::min_element(members.begin(), members.end());
        if (previous_.empty())
            previous_.assign(std::size_t(n_) + 1, -1);
        for (const qint32 r : members)
            previous_[std::size_t(r)] = 0; // a member not reached yet
        std::vector<qint32> queue{first};
        qint32 last = 0;
        for (std::size_t i = 0; i < queue.size() && last == 0; ++i) {
            const qint32 v = queue[i];
            for (int which = 0; which < 2 && last == 0; ++which) {
                const qint32 w = parentLink(v, which);
                if (w == first)
                    last = v;
                else if (w != 0 && previous_[std::size_t(w)] == 0) {
                    previous_[std::size_t(w)] = v;
                    queue.push_back(w);
                }
            }
        }
        QList<qint32> loop{first};
        for (qint32 r = last; r != first; r = previous_[std::size_t(r)])
            loop.insert(1, r);
        loop.append(first);
        for (const qint32 r : members)
            previous_[std::size_t(r)] = -1;
        return loop;
    }

    struct SameKeyHash
    {
        const PersonList* persons;
        std::size_t operator()(qint32 index) const
        {
            const TTreeData& p = (*persons)[std::size_t(index)];
            return qHashMulti(0, p.GivenName, p.Surname, p.BirthDate, p.Sex);
        }
    };
    struct SameKeyEqual
    {
        const PersonList* persons;
        bool operator()(qint32 a, qint32 b) const
        {
            const TTreeData& p = (*persons)[std::size_t(a)];
            const TTreeData& q = (*persons)[std::size_t(b)];
            // Twins of different sex may well share a name, as Deniz or Derya.
            return p.BirthDate == q.BirthDate && p.Sex == q.Sex && p.GivenName == q.GivenName &&
                   p.Surname == q.Surname;
        }
    };

    void checkSameNames()
    {
        std::unordered_set<qint32, SameKeyHash, SameKeyEqual> seen(
            persons_.size(), SameKeyHash{&persons_}, SameKeyEqual{&persons_});
        std::unordered_map<qint32, QList<qint32>> groups;
        std::vector<qint32> firsts;
        for (qint32 i = 0; i < n_; ++i) {
            const TTreeData& person = persons_[std::size_t(i)];
            // Persons without a birth date or a name are too many alike to be suspects.
            if (!DateOf(person.BirthDate) || (IsBlank(person.GivenName) && IsBlank(person.Surname)))
                continue;
            const auto [it, inserted] = seen.insert(i);
            if (inserted)
                continue;
            QList<qint32>& group = groups[*it];
            if (group.isEmpty()) {
                group.append(*it + 1);
                firsts.push_back(*it);
            }
            group.append(i + 1);
        }
        for (const qint32 first : firsts)
            add(FindingKind::SameNameAndBirth, std::move(groups[first]));
    }

    const PersonList& persons_;
    const qint32 n_;
    std::vector<Finding> findings_;
    std::unordered_map<qint32, std::unordered_set<qint32>> spouseSets_;
    std::vector<qint32> previous_;
};

Msg MessageOf(FindingKind kind)
{
    switch (kind) {
    case FindingKind::ChildBornBeforeParent:
        return Msg::CheckBornBeforeParent;
    case FindingKind::ParentTooYoung:
        return Msg::CheckParentTooYoung;
    case FindingKind::ParentTooOld:
        return Msg::CheckParentTooOld;
    case FindingKind::DeathBeforeBirth:
        return Msg::CheckDeathBeforeBirth;
    case FindingKind::OwnAncestor:
        return Msg::CheckOwnAncestor;
    case FindingKind::MotherNotListing:
        return Msg::CheckMotherNotListing;
    case FindingKind::FatherNotListing:
        return Msg::CheckFatherNotListing;
    case FindingKind::ChildNotNaming:
        return Msg::CheckChildNotNaming;
    case FindingKind::OneSidedSpouse:
        return Msg::CheckOneSidedSpouse;
    case FindingKind::NoName:
        return Msg::CheckNoName;
    case FindingKind::SameNameAndBirth:
        return Msg::CheckSameNameAndBirth;
    case FindingKind::BornAfterMotherDeath:
        return Msg::CheckBornAfterMotherDeath;
    case FindingKind::BornAfterFatherDeath:
        return Msg::CheckBornAfterFatherDeath;
    case FindingKind::MissingRecord:
        break;
    }
    return Msg::CheckMissingRecord;
}

QString JoinedRecNos(const QList<qint32>& recNos, const QString& separator)
{
    QStringList texts;
    texts.reserve(recNos.size());
    for (const qint32 r : recNos)
        texts.append(QString::number(r));
    return texts.join(separator);
}

} // namespace

std::vector<Finding> CheckFamily(const PersonList& persons)
{
    return Checker(persons).run();
}

QString FindingText(const Finding& finding, Lang lang)
{
    const QString text = LangText(MessageOf(finding.kind), lang);
    const QList<qint32>& r = finding.recNos;
    switch (finding.kind) {
    case FindingKind::NoName:
    case FindingKind::DeathBeforeBirth:
        return text.arg(r.value(0));
    case FindingKind::OwnAncestor:
        return text.arg(r.value(0)).arg(JoinedRecNos(r, QStringLiteral(" > ")));
    case FindingKind::SameNameAndBirth:
        return text.arg(JoinedRecNos(r, QStringLiteral(", ")));
    case FindingKind::ParentTooYoung:
    case FindingKind::ParentTooOld:
        return text.arg(r.value(0)).arg(r.value(1)).arg(finding.years);
    default:
        return text.arg(r.value(0)).arg(r.value(1));
    }
}

QStringList FindingLines(const std::vector<Finding>& findings, Lang lang, qsizetype limit)
{
    const qsizetype count = qsizetype(findings.size());
    const qsizetype shown = limit < 0 ? count : std::min(limit, count);
    QStringList lines;
    lines.reserve(shown + 2);
    lines.append(LangText(Msg::CheckFindingCount, lang).arg(count));
    if (count == 0)
        lines.append(LangText(Msg::CheckNothingFound, lang));
    for (qsizetype i = 0; i < shown; ++i)
        lines.append(FindingText(findings[std::size_t(i)], lang));
    if (shown < count)
        lines.append(LangText(Msg::CheckMoreFindings, lang).arg(count - shown));
    return lines;
}

} // namespace kinrow
