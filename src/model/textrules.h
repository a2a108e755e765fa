#pragma once

#include "model/messages.h"

#include <QChar>
#include <QString>

#include <optional>

namespace kinrow {

// Display form of an upper-case name or place ("AHMET ALİ" -> "Ahmet Ali", "KÂZIM" ->
// "Kâzım", "ΣΟΦΊΑ" -> "Σοφία"): a letter after a capital is lower-cased (letters of code page
// 1254 by its rule, every other letter by Unicode, a Greek sigma ending a word to ς); the letter
// I lower-cases to dotless ı in Turkish (lang 0) and to i in English (lang 1).
QString ProperCaseName(const QString& text, Lang lang);

// Date values: 0 no date, 0 < v < 10000 a year alone, otherwise a Julian Date at midnight.
double ParseDateText(const QString& text);
QString FormatDateValue(double value);
double DateToJulian(int day, int month, int year);
void JulianToDate(double julian, int& day, int& month, int& year);

// Upper-casing of the name fields and of names read from files: the Windows-1254 rule for the
// letters of that code page (i and ı both become I, µ and ß stay), Unicode's simple upper case
// for every other letter.
QChar UpperCase1254(QChar c);
QString UpperCase1254(const QString& text);

// Lower-casing by code page 1254: every capital it holds becomes its small letter, İ becomes
// i and I becomes i; letters outside the code page follow Unicode's simple lower case.
QChar LowerCase1254(QChar c);
QString LowerCase1254(const QString& text);

// Upper-casing as typing does in a language: in Turkish i becomes İ and ı becomes I, in
// English both become I; every other letter as UpperCase1254.
QChar UpperCaseTyped(QChar c, Lang lang);
QString UpperCaseTyped(const QString& text, Lang lang);

// True when code page 1254 can hold c (a family of such letters alone is saved in it).
bool IsRepresentable1254(QChar c);

// Key filters of the person page. Each takes the typed character and returns the
// character to insert, or nothing when the key is discarded.
std::optional<QChar> TurkceKeyPress(QChar typed, Lang lang, bool readOnlyMode);
std::optional<QChar> DateKeyPress(QChar typed);
std::optional<QChar> Memo_NotlarKeyPress(QChar typed, bool readOnlyMode);

} // namespace kinrow
