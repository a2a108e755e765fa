// Texts shown to the user come from the message table. This reads the sources and fails, naming
// file and line, when a message box, a line of the error list, a control's caption, hint or
// title or a file dialog is handed a string literal.

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

struct Finding
{
    int line = 0;
    QString literal;
};

// Literals that are no words: the separators that join table texts to names and numbers, the
// empty counter a picture panel starts with and the file pattern after a dialog's title.
const QStringList Separators = {u"\\r"_qs,   u"\\r\\r"_qs, u" - "_qs,     u": "_qs,
                                u" "_qs,     u"  "_qs,     u" ("_qs,      u" :"_qs,
                                u" ...."_qs, u" 0/0"_qs,   u" (*.ged)"_qs};

// The calls whose text argument reaches the user: a message box of the prompts, of the read's
// reporter or of Qt; the error sink's line-adding functions; a line appended to an error list;
// a control's caption, hint or title, a menu's or list's item; a file dialog and its filters.
const QRegularExpression& TextCalls()
{
    static const QRegularExpression calls(
        u"(?:\\.|->)\\s*message\\s*\\("
        u"|(?:\\.|->)\\s*(?:setText|setToolTip|setTabText|setWindowTitle|setPlaceholderText"
        u"|setStatusTip|setTitle|setItemText|addItems?|addAction|setNameFilters?|saveFile"
        u"|openPicture|openFamilyFile)\\s*\\("
        u"|\\bnew\\s+(?:QPushButton|QCheckBox|QRadioButton|QLabel|QGroupBox|QAction|QMenu)\\s*\\("
        u"|\\bQFileDialog\\s*::\\s*get\\w+\\s*\\(|\\bQFileDialog\\s+\\w+\\s*[({]"
        u"|\\b(?:lineError|dropped|droppedLine|leftOut)\\s*\\("
        u"|\\b(?:errors_?|sink)\\s*(?:\\.|->)\\s*add\\s*\\("
        u"|\\b(?:errors_?|list_)\\s*\\.\\s*lines\\s*\\.\\s*(?:append|prepend|push_back)\\s*\\("
        u"|\\bQMessageBox\\s*::\\s*(?:warning|information|critical|question|about)\\s*\\("
        u"|\\bQMessageBox\\s+\\w+\\s*[({]|\\bnew\\s+QMessageBox\\s*\\("_qs);
    return calls;
}

// The source with comments blanked out (line breaks kept), so that a quote in a comment is no
// literal and a commented-out call is no call.
QString WithoutComments(const QString& source)
{
    QString out = source;
    for (qsizetype i = 0; i < out.size(); ++i) {
        const QChar c = out[i];
        if (c == u'"' || c == u'\'') {
            // A raw string is not used in the sources; an ordinary literal ends at its
            // unescaped quote or at the line's end.
            for (++i; i < out.size() && out[i] != c && out[i] != u'\n'; ++i)
                if (out[i] == u'\\')
                    ++i;
        } else if (c == u'/' && i + 1 < out.size() && out[i + 1] == u'/') {
            for (; i < out.size() && out[i] != u'\n'; ++i)
                out[i] = u' ';
        } else if (c == u'/' && i + 1 < out.size() && out[i + 1] == u'*') {
            const qsizetype end = out.indexOf(u"*/"_qs, i + 2);
            const qsizetype stop = end < 0 ? out.size() : end + 2;
            for (; i < stop; ++i)
                if (out[i] != u'\n')
                    out[i] = u' ';
            --i;
        }
    }
    return out;
}

// The string literals inside the parentheses (or braces) that open at open, with their lines.
std::vector<Finding> LiteralsOfCall(const QString& code, qsizetype open)
{
    std::vector<Finding> found;
    const QChar opening = code[open];
    const QChar closing = opening == u'{' ? u'}' : u')';
    int depth = 0;
    for (qsizetype i = open; i < code.size(); ++i) {
        const QChar c = code[i];
        if (c == u'\'') {
            for (++i; i < code.size() && code[i] != u'\''; ++i)
                if (code[i] == u'\\')
                    ++i;
        } else if (c == u'"') {
            const qsizetype start = i + 1;
            for (++i; i < code.size() && code[i] != u'"' && code[i] != u'\n'; ++i)
                if (code[i] == u'\\')
                    ++i;
            const QString literal = code.mid(start, i - start);
            if (!Separators.contains(literal))
                found.push_back({int(code.left(start).count(u'\n')) + 1, literal});
        } else if (c == opening) {
            ++depth;
        } else if (c == closing && --depth == 0) {
            break;
        }
    }
    return found;
}

std::vector<Finding> FindMessageLiterals(const QString& source)
{
    const QString code = WithoutComments(source);
    std::vector<Finding> found;
    auto calls = TextCalls().globalMatch(code);
    while (calls.hasNext()) {
        const auto call = calls.next();
        const std::vector<Finding> literals = LiteralsOfCall(code, call.capturedEnd() - 1);
        found.insert(found.end(), literals.begin(), literals.end());
    }
    return found;
}

QStringList Lines(const std::vector<Finding>& findings)
{
    QStringList lines;
    for (const Finding& f : findings)
        lines.append(QString::number(f.line) + u": \""_qs + f.literal + u'"');
    return lines;
}

TEST(MessageLiterals, FindsLiteralsHandedToMessagesErrorLinesAndControls)
{
    struct Case
    {
        const char* source;
        QStringList expected;
    };
    const Case cases[] = {
        {"prompts_->message(MessageKind::Warning, QStringLiteral(\"Cannot print\"));",
         {u"1: \"Cannot print\""_qs}},
        {"prompts.message(MessageKind::Plain,\n    u\"Done\"_qs + name);", {u"2: \"Done\""_qs}},
        {"options.reporter->message(fileName + QLatin1String(\"bad\"));", {u"1: \"bad\""_qs}},
        {"errors.dropped(line.index, QStringLiteral(\"<Wrong>\"));", {u"1: \"<Wrong>\""_qs}},
        {"context_.errors.lineError(line,\n\n  QStringLiteral(\"<No Child>\"));",
         {u"3: \"<No Child>\""_qs}},
        {"errors.droppedLine(\"x\" + QString::number(n));", {u"1: \"x\""_qs}},
        {"errors.leftOut(text(Msg::A) + QStringLiteral(\"left\"));", {u"1: \"left\""_qs}},
        {"errors.add(QStringLiteral(\" - Version : \") + v);", {u"1: \" - Version : \""_qs}},
        {"errors_.lines.append(QStringLiteral(\"ERROR %1\").arg(n));", {u"1: \"ERROR %1\""_qs}},
        {"QMessageBox::warning(this, title, u\"Oops\"_s);", {u"1: \"Oops\""_qs}},
        {"QMessageBox box(icon, u\"Title\"_s, text);", {u"1: \"Title\""_qs}},
        {"auto* b = new QMessageBox(QMessageBox::Warning, t, \"Hi\");", {u"1: \"Hi\""_qs}},
        // A quote in a character literal or an escaped quote does not end the text.
        {"errors.add(QLatin1Char('\"') + u\"a\\\"b\"_s);", {u"1: \"a\\\"b\""_qs}},
        // Table texts, separators, character literals, comments and other calls pass.
        {"prompts.message(MessageKind::Warning, LangText(Msg::A, lang));", {}},
        {"prompts.message(k, a + QStringLiteral(\"\\r\\r\") + b);", {}},
        {"errors.leftOut(a + QStringLiteral(\" - \") + b);", {}},
        {"errors.lineError(line, QLatin1Char('<') + name + QLatin1Char('>'));", {}},
        {"// prompts.message(k, \"commented out\");\n/* errors.add(\"old\"); */", {}},
        {"leftOut.add(\"NOTE\", count, line);", {}},
        {"box->setObjectName(QStringLiteral(\"CheckBox_ReadOnly\"));", {}},
        {"settings.setValue(u\"Key\"_s, message(x));", {}},
        // Captions, hints, titles, items and file dialogs are texts for the user too.
        {"Version->setText(VersionLabelText() + QStringLiteral(\" - GNU GPL v3+\"));",
         {u"1: \" - GNU GPL v3+\""_qs}},
        {"button->setToolTip(u\"Print\"_s);", {u"1: \"Print\""_qs}},
        {"tabs.setTabText(0, QStringLiteral(\"Kişi\"));", {u"1: \"Kişi\""_qs}},
        {"auto* box = new QCheckBox(QStringLiteral(\"Salt okunur\"), &dialog);",
         {u"1: \"Salt okunur\""_qs}},
        {"menu->addAction(QStringLiteral(\"Hepsini Aç\"));", {u"1: \"Hepsini Aç\""_qs}},
        {"combo->addItems({QStringLiteral(\"Turkish\"), u\"English\"_s});",
         {u"1: \"Turkish\""_qs, u"1: \"English\""_qs}},
        {"dialog.setNameFilters({QStringLiteral(\"Gedcom Files (*.ged)\")});",
         {u"1: \"Gedcom Files (*.ged)\""_qs}},
        {"prompts_.saveFile(title, name, QStringLiteral(\"Gedcom Files (*.ged)\"));",
         {u"1: \"Gedcom Files (*.ged)\""_qs}},
        {"QFileDialog::getOpenFileName(this, t, d, QStringLiteral(\"All (*.jpg)\"));",
         {u"1: \"All (*.jpg)\""_qs}},
        {"label->setText(text + QStringLiteral(\" Kişi\"));", {u"1: \" Kişi\""_qs}},
        {"counter->setText(QString::number(n) + QStringLiteral(\" 0/0\"));", {}},
        {"box->setTitle(name + QStringLiteral(\" (\") + n + QLatin1Char(')'));", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Lines(FindMessageLiterals(QString::fromUtf8(c.source))), c.expected) << c.source;
}

TEST(MessageLiterals, NoSourceHandsALiteralToTheUser)
{
    const QString src = QStringLiteral(KINROW_SOURCE_DIR "/src");
    QStringList problems;
    int files = 0;
    QDirIterator it(src, {u"*.cpp"_qs, u"*.h"_qs}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        ++files;
        const QString relative = path.mid(src.size() + 1);
        for (const QString& line : Lines(FindMessageLiterals(QString::fromUtf8(file.readAll()))))
            problems.append(relative + u':' + line);
    }
    EXPECT_GT(files, 100);
    EXPECT_TRUE(problems.isEmpty())
        << "texts for the user belong in the message table (src/model/messages.*):\n  "
        << problems.join(u"\n  "_qs).toStdString();
}

} // namespace
