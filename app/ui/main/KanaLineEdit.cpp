#include "ui/main/KanaLineEdit.h"

namespace oralis {

KanaLineEdit::KanaLineEdit(QWidget* parent) : QLineEdit(parent) {}

}  // namespace oralis
