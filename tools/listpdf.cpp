#include "listpdf.h"

#include "model/version.h"
#include "print/listprinting.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

namespace kinrow {

namespace {

QString noColumn(const QString& option, const QString& text, const QString& column)
{
    return QStringLiteral("%1 %2: no column %3 (columns are 0 to %4)")
        .arg(option, text, column)
        .arg(ListColumnCount - 1);
}

QString parseScope(const QString& text, ListPdfRequest& request)
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
        if (!ok)
            return QStringLiteral("--scope %1: %2 is not a record number").arg(text, text.mid(7));
    } else
        return QStringLiteral("--scope %1: not a scope (family:R, surname:TEXT, males, females "
                              "or all)")
            .arg(text);
    return {};
}

QString parseColumns(const QString& text, ListPdfRequest& request)
{
    request.shown = {true, true, true};
    for (const QString& part : text.split(u',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int column = part.toInt(&ok);
        if (!ok || column < 0 || column >= ListColumnCount)
            return noColumn(QStringLiteral("--columns"), text, part);
        request.shown[std::size_t(column)] = true;
    }
    return {};
}

QString parseSort(const QString& text, ListPdfRequest& request)
{
    QString column = text;
    if (text.endsWith(u":desc")) {
        request.descending = true;
        column.chop(5);
    }
    bool ok = false;
    request.sortColumn = column.toInt(&ok);
    if (!ok || request.sortColumn < 0 || request.sortColumn >= ListColumnCount)
        return noColumn(QStringLiteral("--sort"), text, column);
    return {};
}

QString parsePages(const QString& text, ListPdfRequest& request)
{
    const QStringList parts = text.split(u'-');
    bool okFrom = false;
    bool okTo = false;
    if (parts.size() == 2) {
        request.fromPage = parts[0].toInt(&okFrom);
        request.toPage = parts[1].toInt(&okTo);
    }
    if (okFrom && okTo && request.fromPage >= 1 && request.fromPage <= request.toPage)
        return {};
    return QStringLiteral("--pages %1: not a page range A-B with 1 <= A <= B").arg(text);
}

// A4 upright with 5 mm margins.
void SetListPage(QPdfWriter& writer)
{
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
}

ListPrintOptions PrintOptions(const ListPdfRequest& request)
{
    ListPrintOptions options;
    options.fontFamily = request.fontFamily;
    options.lang = request.lang;
    options.shown = request.shown;
    options.webPage = MakerWebPage();
    options.email = MakerEmail();
    return options;
}

} // namespace

QString ParseListOptions(const QCommandLineParser& parser, ListPdfRequest& request)
{
    using Parse = QString (*)(const QString&, ListPdfRequest&);
    const std::pair<QString, Parse> options[] = {{QStringLiteral("scope"), parseScope},
                                                 {QStringLiteral("columns"), parseColumns},
                                                 {QStringLiteral("sort"), parseSort},
                                                 {QStringLiteral("pages"), parsePages}};
    for (const auto& [name, parse] : options) {
        if (!parser.isSet(name))
            continue;
        if (const QString problem = parse(parser.value(name), request); !problem.isEmpty())
            return problem;
    }
    return {};
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

std::vector<ListPrintRow> ListPdfRows(const PersonList& persons, const ListPdfRequest& request,
                                      QString& problem)
{
    std::vector<ListPrintRow> rows = CheckedListRows(ListTableOf(persons, request));
    if (rows.empty()) {
        problem = LangText(Msg::NoCheckedPerson, request.lang);
        return rows;
    }
    if (request.fromPage <= 0)
        return rows;
    QBuffer nowhere;
    QPdfWriter measure(&nowhere);
    SetListPage(measure);
    const int pageCount = CountListPages(measure, rows, PrintOptions(request));
    if (request.fromPage > pageCount)
        problem = QStringLiteral("--pages %1-%2: out of range 1-%3")
                      .arg(request.fromPage)
                      .arg(request.toPage)
                      .arg(pageCount);
    return rows;
}

QString WriteListPdf(const std::vector<ListPrintRow>& rows, const ListPdfRequest& request,
                     QIODevice& device)
{
    QPdfWriter writer(&device);
    writer.setCreator(QStringLiteral("Kinrow"));
    writer.setTitle(ListJobTitle);
    SetListPage(writer);
    ListPrintOptions options = PrintOptions(request);
    options.fromPage = request.fromPage;
    options.toPage = request.toPage;
    const ListPrintResult result = PrintListPages(writer, rows, options);
    if (!result.printed)
        return LangText(Msg::PrintFailed, request.lang) + result.reason;
    return QString();
}

} // namespace kinrow
