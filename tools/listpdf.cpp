#include "listpdf.h"

#include "print/listprinting.h"
#include "shell/version.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

namespace kinrow {

namespace {

// Takes "NAME VALUE" out of args; false when the name stands without a value.
bool takeOption(QStringList& args, const QString& name, std::optional<QString>& value)
{
    const qsizetype at = args.indexOf(name);
    if (at < 0)
        return true;
    if (at + 1 >= args.size())
        return false;
    value = args.at(at + 1);
    args.remove(at, 2);
    return true;
}

bool parseScope(const QString& text, ListPdfRequest& request)
{
    if (text == u"males")
        request.scope = PrintScope::Males;
    else if (text == u"females")
        request.scope = PrintScope::Females;
    else if (text == u"all")
        request.scope = PrintScope::All;
    else if (text.startsWith(u"surname:")) {
        request.scope = PrintScope::Surname;
        request.surname = text.mid(8);
    } else if (text.startsWith(u"family:")) {
        bool ok = false;
        request.scope = PrintScope::Family;
        request.familyRecNo = text.mid(7).toInt(&ok);
        return ok;
    } else
        return false;
    return true;
}

bool parseColumns(const QString& text, ListPdfRequest& request)
{
    request.shown = {true, true, true};
    for (const QString& part : text.split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int column = part.toInt(&ok);
        if (!ok || column < 0 || column >= ListColumnCount)
            return false;
        request.shown[column] = true;
    }
    return true;
}

bool parseSort(const QString& text, ListPdfRequest& request)
{
    QString column = text;
    if (text.endsWith(u":desc")) {
        request.descending = true;
        column.chop(5);
    }
    bool ok = false;
    request.sortColumn = column.toInt(&ok);
    return ok && request.sortColumn >= 0 && request.sortColumn < ListColumnCount;
}

bool parsePages(const QString& text, ListPdfRequest& request)
{
    const QStringList parts = text.split(u'-');
    bool okFrom = false;
    bool okTo = false;
    if (parts.size() != 2)
        return false;
    request.fromPage = parts[0].toInt(&okFrom);
    request.toPage = parts[1].toInt(&okTo);
    return okFrom && okTo && request.fromPage >= 1 && request.fromPage <= request.toPage;
}

} // namespace

std::optional<ListPdfRequest> ParseListOptions(QStringList args)
{
    ListPdfRequest request;
    std::optional<QString> scope, columns, sort, pages, lang;
    if (!takeOption(args, QStringLiteral("--scope"), scope) ||
        !takeOption(args, QStringLiteral("--columns"), columns) ||
        !takeOption(args, QStringLiteral("--sort"), sort) ||
        !takeOption(args, QStringLiteral("--pages"), pages) ||
        !takeOption(args, QStringLiteral("--lang"), lang) || !args.isEmpty())
        return std::nullopt;
    if ((scope && !parseScope(*scope, request)) || (columns && !parseColumns(*columns, request)) ||
        (sort && !parseSort(*sort, request)) || (pages && !parsePages(*pages, request)))
        return std::nullopt;
    if (lang && *lang == u"tr")
        request.lang = Lang::Turkish;
    else if (lang && *lang != u"en")
        return std::nullopt;
    return request;
}

PrintTable ListTableOf(const PersonList& persons, const ListPdfRequest& request)
{
    PrintTable table;
    table.setRows(PrintRows(persons, request.lang));
    table.setScope(request.scope);
    table.applyScope({FamilyOf(persons, request.familyRecNo), request.surname});
    for (int column = 0; column < ListColumnCount; ++column)
        table.setColumnShown(column, request.shown[std::size_t(column)]);
    table.sort(request.sortColumn, request.descending ? Qt::DescendingOrder : Qt::AscendingOrder);
    return table;
}

QString WriteListPdf(const PersonList& persons, const ListPdfRequest& request,
                     const QString& pdfPath)
{
    const std::vector<ListPrintRow> rows = CheckedListRows(ListTableOf(persons, request));
    if (rows.empty())
        return LangText(Msg::NoCheckedPerson, request.lang);
    const int pageCount = ListPageCount(qsizetype(rows.size()));
    if (request.fromPage > pageCount)
        return QStringLiteral("pages %1-%2 out of range 1-%3")
            .arg(request.fromPage)
            .arg(request.toPage)
            .arg(pageCount);

    QPdfWriter writer(pdfPath);
    writer.setCreator(QStringLiteral("Kinrow"));
    writer.setTitle(ListJobTitle);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
    ListPrintOptions options;
    options.lang = request.lang;
    options.shown = request.shown;
    options.webPage = MakerWebPage();
    options.email = MakerEmail();
    options.fromPage = request.fromPage;
    options.toPage = std::min(request.toPage, pageCount);
    const ListPrintResult result = PrintListPages(writer, rows, options);
    if (!result.printed)
        return LangText(Msg::PrintFailed, request.lang) + pdfPath + QStringLiteral(": ") +
               result.reason;
    return QString();
}

} // namespace kinrow
