// The pages of a worksheet painted onto paper: a PDF file through Qt's PDF
// writer, or a printer. The pictures are drawn by the renderer at the
// layout's size, 300 dpi on paper.
#pragma once

#include "model/RegularFile.h"
#include "playback/Worksheet.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

class QPagedPaintDevice;

namespace oralis {

class StudyPictures;

class WorksheetPages {
public:
    // Lays out `content` as `kind` and draws its pictures through `pictures`.
    // `progress` hears of each picture drawn.
    WorksheetPages(const WorksheetContent& content, WorksheetKind kind, StudyPictures& pictures,
                   const ProgressFn& progress = {});

    int pageCount() const { return static_cast<int>(layout_.pages.size()); }

    // Paints every page onto `device`, which must be set to A4 and its full
    // page; the layout is scaled to the device's resolution. False, with the
    // reason, when painting cannot begin.
    bool Paint(QPagedPaintDevice& device, QString* whyNot = nullptr) const;

    // The pages as a PDF document, A4 at 300 dpi; empty, with the reason,
    // when it cannot be made.
    QByteArray Pdf(QString* whyNot = nullptr) const;

private:
    const WorksheetContent& content_;
    WorksheetKind kind_;
    WorksheetLayout layout_;
    WorksheetFrames frames_;
    QList<QImage> pictures_;
};

}  // namespace oralis
