#include "ui/main/ImeCtrl.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QVariant>
#include <QWidget>

namespace oralis {

namespace {

const char* const kModeProperty = "oralisImeConversion";

// The input method asks the focused widget only; an unfocused one is asked
// when it gets the focus.
void Requery(QWidget* widget, Qt::InputMethodQueries queries)
{
    if (widget->hasFocus())
        QGuiApplication::inputMethod()->update(queries);
}

}  // namespace

int16_t ImeOpen(QWidget* widget, int16_t flag)
{
    if (!widget)
        return 0;
    const bool open = flag == -1;
    if (auto* box = dynamic_cast<ImeTarget*>(widget))
        box->setInputMethodOpen(open);
    else
        widget->setAttribute(Qt::WA_InputMethodEnabled, open);
    Requery(widget, Qt::ImEnabled);
    return 0;
}

int32_t ImeSetMode(QWidget* widget, int32_t roman, int32_t width, int32_t kana)
{
    if (!widget)
        return -1;
    ImeOpen(widget, -1);
    int mode = ImeConversionMode(widget);
    if (roman == 0)
        mode &= ~kImeRoman;
    else if (roman == 1)
        mode |= kImeRoman;
    if (width == 0)
        mode |= kImeFullWidth;
    else if (width == 1)
        mode &= ~kImeFullWidth;
    if (kana == 0)
        mode = (mode | kImeNative) & ~kImeKatakana;
    else if (kana == 1)
        mode |= kImeNative | kImeKatakana;
    else if (kana == 2)
        mode &= ~(kImeNative | kImeKatakana);
    widget->setProperty(kModeProperty, mode);

    Qt::InputMethodHints hints = widget->inputMethodHints();
    if (mode & kImeNative)
        hints &= ~(Qt::ImhPreferLatin | Qt::ImhLatinOnly);
    else
        hints |= Qt::ImhPreferLatin;
    widget->setInputMethodHints(hints);
    Requery(widget, Qt::ImEnabled | Qt::ImHints);
    return 0;
}

int ImeConversionMode(const QWidget* widget)
{
    return widget ? widget->property(kModeProperty).toInt() : 0;
}

QString ImeReadingOfResult(const QWidget* widget)
{
    if (!widget)
        return QString();
    // The widget itself or the first box inside it.
    const auto* box = dynamic_cast<const ImeTarget*>(widget);
    const QList<const QWidget*> children = widget->findChildren<const QWidget*>();
    for (auto child = children.cbegin(); !box && child != children.cend(); ++child)
        box = dynamic_cast<const ImeTarget*>(*child);
    if (!box)
        return QString();
    const QString reading = box->lastResultReading();
    const qsizetype blank = reading.indexOf(u' ');
    return blank < 0 ? reading : reading.left(blank);
}

}  // namespace oralis
