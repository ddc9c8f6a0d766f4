#pragma once

#include <QByteArray>
#include <QString>

// Reduces a rich-text (RTF) document to its plain text: paragraphs and line
// breaks become line breaks, tabs stay tabs, \'hh and \uN give their
// characters; fonts, colours, styles, document information, pictures and
// other hidden groups are skipped. Line breaks in the result are LF.
QString RtfToText(const QByteArray &Rtf);
