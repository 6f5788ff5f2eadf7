// The PQ sheet on A4 paper as a PDF: the heading, the disc's lines and one
// table, in the IPA fonts, which the PDF embeds so that Japanese prints on
// any machine. Written with Qt's own PDF writer; needs a QGuiApplication.
#pragma once

#include "pq_sheet.h"

#include <QByteArray>

// The whole PDF file. A table longer than a page goes on over the next
// ones, its column titles repeated.
QByteArray PqSheetPdf(const PqSheet& sheet);
