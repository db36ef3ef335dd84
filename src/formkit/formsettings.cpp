#include "formsettings.h"

#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QLayout>
#include <QPoint>
#include <QVariant>
#include <QWidget>

#include <cstdlib>

namespace formkit {

void applyFormSettings(QWidget *form)
{
    const QString border = form->property("borderStyle").toString();
    const QString icons = form->property("borderIcons").toString();
    const QString position = form->property("position").toString();

    if (!icons.isEmpty()) {
        Qt::WindowFlags flags = form->windowFlags() | Qt::CustomizeWindowHint
                                | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
        flags &= ~(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
                   | Qt::WindowContextHelpButtonHint);
        if (icons.contains(QLatin1String("biSystemMenu")))
            flags |= Qt::WindowSystemMenuHint;
        if (icons.contains(QLatin1String("biMinimize")))
            flags |= Qt::WindowMinimizeButtonHint;
        if (icons.contains(QLatin1String("biMaximize")))
            flags |= Qt::WindowMaximizeButtonHint;
        form->setWindowFlags(flags);
    }

    // Pixel heights, the form's first so that its controls inherit it.
    QList<QWidget *> sized{form};
    sized += form->findChildren<QWidget *>();
    for (QWidget *widget : std::as_const(sized)) {
        const QVariant height = widget->property("fontHeight");
        if (!height.isValid())
            continue;
        QFont font = widget->font();
        font.setPixelSize(std::abs(height.toInt()));
        widget->setFont(font);
    }

    if (border == QLatin1String("bsSingle")) {
        // A window with a layout takes the size its layout asks for (the
        // menu bar's height is only known at run time); one without keeps
        // its designed client size.
        if (QLayout *layout = form->layout())
            layout->setSizeConstraint(QLayout::SetFixedSize);
        else
            form->setFixedSize(form->size());
    }

    // Labels marked autoSize fit their text in whatever face replaced the
    // designed one, keeping their top-left corner. Measuring text loads the
    // font, so a window that starts hidden does it when first shown.
    struct FitLabelsWhenShown : QObject {
        using QObject::QObject;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Show) {
                for (QLabel *label : watched->findChildren<QLabel *>())
                    if (label->property("autoSize").toBool())
                        label->adjustSize();
                deleteLater();
            }
            return false;
        }
    };
    form->installEventFilter(new FitLabelsWhenShown(form));

    if (position == QLatin1String("poDesigned"))
        form->move(form->property("designedPosition").toPoint());
}

void substituteDesignFonts()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans")});
}

} // namespace formkit
