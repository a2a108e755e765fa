#include "gedcom/personpass.h"

#include "gedcom/filedate.h"
#include "model/picturepaths.h"
#include "model/textrules.h"

#include <algorithm>

namespace kinrow {

namespace {

constexpr qint64 ProgressStep = 16384;

std::string_view trimmedBlanks(std::string_view text)
{
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ')
        text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ')
        text.remove_suffix(1);
    return text;
}

// True when the date is marked as one before Christ ("1770 BC", "5 AUG 1100 B.C.", "44BCE").
bool beforeChrist(const QString& date)
{
    for (QString word : date.split(u' ', Qt::SkipEmptyParts)) {
        word.remove(u'.');
        word = word.toUpper();
        for (const QLatin1String mark : {QLatin1String("BCE"), QLatin1String("BC")}) {
            if (!word.endsWith(mark))
                continue;
            const QStringView year = QStringView(word).chopped(mark.size());
            if (std::all_of(year.begin(), year.end(), [](QChar c) { return c.isDigit(); }))
                return true;
        }
    }
    return false;
}

} // namespace

PersonPass::PersonPass(const ReadContext& context, const FamilyTable& families,
                       const NoteTable& notes, const ObjectTable& objects, PersonList& persons,
                       const PersonRange& range)
    : context_(context), families_(families), notes_(notes), objects_(objects), persons_(persons),
      range_(range), next_(range.firstRecord),
      childLinksLimit_(2 * qint64(families.totalChildren()) + 1000000),
      noteCharsLimit_(qint64(context.bytes.size()) + 65536), childLinksLeft_(childLinksLimit_),
      noteCharsLeft_(noteCharsLimit_)
{}

void PersonPass::markUses() const
{
    for (const QString* note : usedNotes_)
        notes_.markUsed(note);
    for (const ObjectTable::Object* object : usedObjects_)
        objects_.markUsed(*object);
}

bool PersonPass::run()
{
    LineScanner lines(context_.bytes, range_.start.offset, range_.start.index);
    GedcomLine line;
    qint64 reported = range_.start.index;
    while (lines.offset() < range_.end && lines.next(line)) {
        if (line.startsWith("0 @I") && !readPerson(lines, line))
            return false;
        if (line.index - reported >= ProgressStep) {
            reported = line.index;
            context_.errors.progress(lines.nextIndex(), context_.lineCount);
        }
    }
    return true;
}

bool PersonPass::readPerson(LineScanner& lines, const GedcomLine& opening)
{
    const ValueDecoder& decoder = context_.decoder;
    const std::string_view id = decoder.left(decoder.from(opening.text, 5), 100);
    if (id.find('@') == std::string_view::npos) {
        context_.errors.dropped(opening.index, context_.errors.text(Msg::PersonRecordFormatWrong));
        return false;
    }
    TTreeData& person = persons_[next_];
    person.Id = ParseWholeNumber(BeforeAt(id)).value_or(0);
    if (person.Id == 0)
        context_.errors.repeated(ErrorSink::Repeated::Error9, opening.index);
    seenSpouses_.reset();
    seenChildren_.reset();
    seenFamilies_.reset();
    joinedFamilies_.clear();
    childOrder_.clear();
    childFamilies_.clear();
    nameRead_ = false;
    qint64 last = opening.index;
    bool ended = false;
    while (const GedcomLine* next = lines.peek()) {
        if (next->startsWith("0")) {
            ended = true;
            break;
        }
        GedcomLine line;
        lines.next(line);
        readLine(lines, line, person);
        last = line.index;
    }
    if (!ended)
        context_.errors.dropped(last, context_.errors.text(Msg::LastLineCodeWrong));
    if (!childOrder_.empty())
        applyChildOrder(person);
    if (!childFamilies_.empty())
        setParents(person);
    ++next_;
    return true;
}

void PersonPass::readLine(LineScanner& lines, GedcomLine& line, TTreeData& person)
{
    const std::string_view text = line.text;
    if (text.size() < 6 || text[0] != '1')
        return;
    if (text.starts_with("1 NAME"))
        readName(lines, line, person);
    else if (text == "1 SEX F")
        person.Sex = SexFemale;
    else if (text == "1 SEX M")
        person.Sex = SexMale;
    else if (text.starts_with("1 BIRT"))
        readEvent(lines, line, person.BirthDate, person.BirthQualifier, &person.BirthPlace);
    else if (text.starts_with("1 DEAT"))
        readEvent(lines, line, person.DeathDate, person.DeathQualifier, nullptr);
    else if (text.starts_with("1 FAMS @F"))
        joinFamily(line, person);
    else if (text.starts_with("1 FAMC @F"))
        readChildFamily(lines, line);
    else if (text.starts_with("1 NOTE @NI"))
        addNote(line, person);
    else if (text.starts_with("1 NOTE"))
        readInlineNote(lines, line, person);
    else if (text.starts_with("1 OBJE"))
        readPictures(lines, line, person);
    else if (text.starts_with("1 _ORDER CHIL"))
        readChildOrder(lines, line);
}

void PersonPass::readChildOrder(LineScanner& lines, GedcomLine& line)
{
    while (nextLevel2(lines, line)) {
        if (line.tag() != "CHIL")
            continue;
        const std::optional<qint32> child = PartnerNumber(line.text, context_.decoder);
        childOrder_.emplace_back(child.value_or(0), line.index);
    }
}

void PersonPass::applyChildOrder(TTreeData& person)
{
    const QSet<qint32> children(person.Children.cbegin(), person.Children.cend());
    QSet<qint32> placed;
    QList<qint32> ordered;
    ordered.reserve(person.Children.size());
    for (const auto& [child, line] : childOrder_) {
        if (!children.contains(child)) {
            context_.errors.lineError(line, context_.errors.text(Msg::ChildOrderNamesNoChild));
        } else if (!placed.contains(child)) {
            placed.insert(child);
            ordered.append(child);
        }
    }
    // Children the list leaves out keep their order after the listed ones.
    for (qint32 child : std::as_const(person.Children))
        if (!placed.contains(child))
            ordered.append(child);
    person.Children = ordered;
}

bool PersonPass::nextLevel2(LineScanner& lines, GedcomLine& line)
{
    // Lines below level 2 (a time under a date, the page of a source) belong to the group too:
    // they are passed over, so that the level-2 lines after them still count.
    while (const GedcomLine* next = lines.peek()) {
        if (next->startsWith("0") || next->startsWith("1 "))
            return false;
        lines.next(line);
        if (line.startsWith("2 "))
            return true;
    }
    return false;
}

void PersonPass::readName(LineScanner& lines, GedcomLine& line, TTreeData& person)
{
    // Only the first name counts; later ones (married names, aliases) and their parts are passed.
    const bool first = !nameRead_;
    nameRead_ = true;
    std::string_view rest = line.text.substr(6);
    const size_t slash = rest.find('/');
    if (first && slash == std::string_view::npos) {
        // Without slashes the whole text is the given name ("1 NAME LIVING").
        context_.decoder.assignUpper(person.GivenName, trimmedBlanks(rest), line.index);
        person.Surname.clear();
    } else if (first) {
        context_.decoder.assignUpper(person.GivenName, trimmedBlanks(rest.substr(0, slash)),
                                     line.index);
        rest.remove_prefix(slash + 1);
        const size_t second = rest.find('/');
        if (second == std::string_view::npos)
            person.Surname.clear();
        else
            context_.decoder.assignUpper(person.Surname, trimmedBlanks(rest.substr(0, second)),
                                         line.index);
    }
    while (nextLevel2(lines, line)) {
        if (!first)
            continue;
        const std::string_view tag = line.tag();
        if (tag == "GIVN")
            person.GivenName =
                context_.decoder.upper(context_.decoder.from(line.text, 8), line.index);
        else if (tag == "SURN")
            person.Surname =
                context_.decoder.upper(context_.decoder.from(line.text, 8), line.index);
    }
}

void PersonPass::readEvent(LineScanner& lines, GedcomLine& line, double& date,
                           DateQualifier& qualifier, QString* place)
{
    while (nextLevel2(lines, line)) {
        const std::string_view tag = line.tag();
        const std::string_view value = context_.decoder.from(line.text, 8);
        if (tag == "DATE") {
            context_.decoder.assign(dateText_, value, line.index);
            date = readDate(line.index, qualifier);
        } else if (place && tag == "PLAC") {
            context_.decoder.assignUpper(*place, value, line.index);
        }
    }
}

QString PersonPass::recordAndLine(qint64 line) const
{
    return context_.errors.text(Msg::RecordAndLine).arg(next_ + 1).arg(line);
}

double PersonPass::readDate(qint64 line, DateQualifier& qualifier)
{
    ErrorSink& errors = context_.errors;
    // The family's years count from Christ: an earlier year kept as its number would be a
    // wrong date, so the date is left out.
    if (beforeChrist(dateText_)) {
        errors.leftOut(errors.text(Msg::DateBeforeChrist) + recordAndLine(line) +
                       QStringLiteral(" - ") + dateText_.trimmed());
        qualifier = DateQualifier::None;
        return 0;
    }
    const FileDate date = ReadFileDate(dateText_);
    qualifier = date.qualifier;
    if (date.kind == FileDate::Kind::Exact)
        return date.value;
    const bool year = date.kind == FileDate::Kind::YearOnly;
    const QString where = recordAndLine(line) + QStringLiteral(" - ") + dateText_.trimmed();
    if (year)
        errors.droppedLine(errors.text(Msg::DateYearOnly) + where);
    else
        errors.droppedLine(errors.text(Msg::DateNotRead) + where);
    return date.value;
}

const FamilyRec* PersonPass::familyOf(const GedcomLine& line, size_t prefix) const
{
    const qint32 number = ParseWholeNumber(BeforeAt(line.text.substr(prefix))).value_or(0);
    return number == 0 ? nullptr : families_.find(number);
}

void PersonPass::joinFamily(const GedcomLine& line, TTreeData& person)
{
    const FamilyRec* family = familyOf(line, 9);
    if (!family) {
        context_.errors.dropped(line.index, context_.errors.text(Msg::FamilySpouseIdWrong));
        return;
    }
    if (family->husband >= 1 && family->wife >= 1) {
        qint32 partner = 0;
        if (person.Id == family->husband)
            partner = family->wife;
        else if (person.Id == family->wife)
            partner = family->husband;
        else
            context_.errors.repeated(ErrorSink::Repeated::Error3, line.index);
        if (partner != 0 &&
            !seenSpouses_.contains(person.Spouses.constData(), person.Spouses.size(), partner)) {
            person.Spouses.append(partner);
            seenSpouses_.added(partner);
        }
    }
    addChildren(line, *family, person);
}

void PersonPass::addChildren(const GedcomLine& line, const FamilyRec& family, TTreeData& person)
{
    // A family joined twice has nothing more to give.
    const auto index = qint32(families_.indexOf(family));
    if (seenFamilies_.contains(joinedFamilies_.data(), qsizetype(joinedFamilies_.size()), index))
        return;
    joinedFamilies_.push_back(index);
    seenFamilies_.added(index);
    const std::span<const qint32> children = families_.children(family);
    if (qint64(children.size()) > childLinksLeft_) {
        limitReached_ = true;
        context_.errors.dropped(line.index, context_.errors.text(Msg::TooManyChildLinks));
        return;
    }
    childLinksLeft_ -= qint64(children.size());
    childLinksUsed_ += qint64(children.size());
    for (qint32 child : children) {
        if (seenChildren_.contains(person.Children.constData(), person.Children.size(), child))
            continue;
        person.Children.append(child);
        seenChildren_.added(child);
    }
}

void PersonPass::readChildFamily(LineScanner& lines, GedcomLine& line)
{
    const FamilyRec* family = familyOf(line, 9);
    if (!family)
        context_.errors.dropped(line.index, context_.errors.text(Msg::FamilyChildIdWrong));
    ChildFamily candidate{line.index, family, false};
    while (nextLevel2(lines, line)) {
        if (line.tag() == "PEDI") {
            const std::string_view value = trimmedBlanks(line.text.substr(6));
            candidate.birth = qstrnicmp(value.data(), qsizetype(value.size()), "birth") == 0;
        }
    }
    if (family)
        childFamilies_.push_back(candidate);
}

void PersonPass::setParents(TTreeData& person)
{
    // The first family that names a parent gives them, one marked as the birth family first:
    // a later line (adoptive parents, an empty family) must not replace them.
    const auto namesParent = [](const ChildFamily& c) {
        return c.family->wife >= 1 || c.family->husband >= 1;
    };
    auto chosen = std::find_if(childFamilies_.begin(), childFamilies_.end(),
                               [&](const ChildFamily& c) { return c.birth && namesParent(c); });
    if (chosen == childFamilies_.end())
        chosen = std::find_if(childFamilies_.begin(), childFamilies_.end(), namesParent);
    if (chosen == childFamilies_.end())
        chosen = childFamilies_.begin();
    person.MotherId = chosen->family->wife;
    person.FatherId = chosen->family->husband;
    for (auto c = childFamilies_.begin(); c != childFamilies_.end(); ++c) {
        if (c != chosen)
            context_.errors.leftOut(context_.errors.text(Msg::ChildFamilyNotUsed) +
                                    recordAndLine(c->line));
    }
}

void PersonPass::addNote(const GedcomLine& line, TTreeData& person)
{
    const qint32 number = ParseWholeNumber(BeforeAt(line.text.substr(10))).value_or(0);
    const QString* text = number == 0 ? nullptr : notes_.find(number);
    if (!text) {
        context_.errors.dropped(line.index, context_.errors.text(Msg::NotesIdWrong));
        return;
    }
    if (text->size() > noteCharsLeft_) {
        limitReached_ = true;
        context_.errors.dropped(line.index, context_.errors.text(Msg::NoteTextLimit));
        return;
    }
    noteCharsLeft_ -= text->size();
    noteCharsUsed_ += text->size();
    usedNotes_.push_back(text);
    appendNote(person, *text);
}

void PersonPass::appendNote(TTreeData& person, const QString& text)
{
    // Other programs give a person several notes; each starts on a line of its own.
    if (context_.foreign && !person.Notes.isEmpty() && !text.isEmpty())
        person.Notes.append(QLatin1String("\r\n"));
    person.Notes.append(text);
}

void PersonPass::readInlineNote(LineScanner& lines, GedcomLine& line, TTreeData& person)
{
    const std::string_view value = context_.decoder.from(line.text, 8);
    if (value.starts_with("@")) {
        context_.errors.dropped(line.index, context_.errors.text(Msg::NotesIdWrong));
        return;
    }
    QString text;
    context_.decoder.appendTo(text, value, line.index);
    while (nextLevel2(lines, line)) {
        const std::string_view tag = line.tag();
        if (tag != "CONC" && tag != "CONT")
            continue;
        if (tag == "CONT")
            text.append(QLatin1String("\r\n"));
        context_.decoder.appendTo(text, context_.decoder.from(line.text, 8), line.index);
    }
    if (text.size() > noteCharsLeft_) {
        limitReached_ = true;
        context_.errors.dropped(line.index, context_.errors.text(Msg::NoteTextLimit));
        return;
    }
    noteCharsLeft_ -= text.size();
    noteCharsUsed_ += text.size();
    appendNote(person, text);
}

void PersonPass::readPictures(LineScanner& lines, GedcomLine& line, TTreeData& person)
{
    if (line.startsWith("1 OBJE @"))
        addObjectPictures(line, person);
    while (nextLevel2(lines, line)) {
        if (line.tag() == "FILE")
            addPicture(line, person);
    }
}

void PersonPass::addObjectPictures(const GedcomLine& line, TTreeData& person)
{
    const std::string_view id = line.text.substr(8);
    const qint32 number =
        id.starts_with("M") ? ParseWholeNumber(BeforeAt(id.substr(1))).value_or(0) : 0;
    const ObjectTable::Object* object = number == 0 ? nullptr : objects_.find(number);
    if (!object) {
        context_.errors.dropped(line.index, context_.errors.text(Msg::ObjectIdWrong));
        return;
    }
    usedObjects_.push_back(object);
    for (const GedcomLine& file : object->files)
        addPicture(file, person);
}

void PersonPass::addPicture(const GedcomLine& line, TTreeData& person)
{
    const QString path = context_.decoder.text(context_.decoder.from(line.text, 8), line.index);
    const QString number = QString::number(line.index) + QStringLiteral(" - ") + path;
    // An entry the program cannot show now (a drive not mounted, a folder renamed, another
    // type) is kept as the file names it, so that the next save does not erase it.
    if (!PictureFileExists(path)) {
        context_.errors.makeVisible();
        context_.errors.add(context_.errors.text(Msg::ObjectFileMissing) + number);
        person.Pictures.append(path);
    } else if (!IsPictureExtension(path)) {
        context_.errors.makeVisible();
        context_.errors.add(context_.errors.text(Msg::BadObjectFormat) + number);
        person.Pictures.append(path);
    } else {
        person.Pictures.append(RelativePicturePath(path, context_.familyFolder));
    }
}

} // namespace kinrow
