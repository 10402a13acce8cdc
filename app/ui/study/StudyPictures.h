// Still pictures of mouth shapes for the study window: drawn by the renderer
// into a small window of the program's own and read back after each draw,
// then laid out as strips and written as PNG bytes.
#pragma once

#include "model/ProgramState.h"
#include "model/RegularFile.h"
#include "playback/StudyStrip.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <memory>
#include <optional>
#include <vector>

namespace oralis {

class LearnerHost;

class StudyPictures {
public:
    explicit StudyPictures(LearnerHost& host);
    ~StudyPictures();

    // One picture of `size` (pixels) per frame, seen from the front and close
    // up; a missing frame gives an empty grey picture. A size larger than the
    // screen is drawn as large as the screen allows and scaled up. The
    // renderer's shape is put back afterwards, so the main picture repaints
    // unchanged. `progress` hears of each picture drawn.
    QList<QImage> Draw(const std::vector<std::optional<LipFrame>>& frames, QSize size = kStripPicture,
                       const ProgressFn& progress = {});

    // A strip of `rows` rows (1: a word, 2: A above B): every cell's picture
    // over its label, differing columns outlined.
    QImage Strip(const std::vector<StripColumn>& columns, int rows);

private:
    LearnerHost& host_;
    std::unique_ptr<class StillCanvas> canvas_;
};

// `image` encoded as PNG; empty when it cannot be.
QByteArray PngBytes(const QImage& image);

}  // namespace oralis
