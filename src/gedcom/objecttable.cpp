#include "gedcom/objecttable.h"

namespace kinrow {

void ObjectTable::read(const ReadContext& context)
{
    std::vector<qint32> numbers;
    for (const LineStart& start : context.objectStarts) {
        LineScanner lines(context.bytes, start.offset, start.index);
        GedcomLine line;
        lines.next(line);
        const std::string_view id = line.text.substr(4); // after "0 @M"
        const qint32 number =
            id.find('@') == std::string_view::npos ? 0 : ParseWholeNumber(BeforeAt(id)).value_or(0);
        if (number == 0)
            continue;
        Object object{number, line.index, 1, {}};
        bool inFile = false;
        while (const GedcomLine* next = lines.peek()) {
            if (next->startsWith("0"))
                break;
            lines.next(line);
            if (line.startsWith("1 "))
                inFile = line.tag() == "FILE";
            if (line.startsWith("1 FILE"))
                object.files.push_back(line);
            if ((line.startsWith("1 ") && (line.tag() == "FILE" || line.tag() == "FORM")) ||
                (inFile && line.startsWith("2 FORM")))
                ++object.keptLines;
        }
        numbers.push_back(number);
        objects_.push_back(std::move(object));
    }
    byNumber_.build(numbers);
    used_ = std::make_unique<std::atomic<bool>[]>(objects_.size());
}

const ObjectTable::Object* ObjectTable::find(qint32 number) const
{
    const qsizetype index = byNumber_.find(number);
    return index < 0 ? nullptr : &objects_[size_t(index)];
}

void ObjectTable::markUsed(const Object& object) const
{
    used_[size_t(&object - objects_.data())].store(true, std::memory_order_relaxed);
}

std::vector<const ObjectTable::Object*> ObjectTable::unused() const
{
    std::vector<const Object*> out;
    for (size_t i = 0; i < objects_.size(); ++i)
        if (!used_[i].load(std::memory_order_relaxed))
            out.push_back(&objects_[i]);
    return out;
}

} // namespace kinrow
