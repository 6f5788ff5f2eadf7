#include "CompanionPlacement.h"

#include "Twips.h"

#include <QWidget>

WindowPlacement companionPlacement(const QWidget& window)
{
    return {float(twips::fromPixels(window.pos().y())), float(twips::fromPixels(window.pos().x())),
            float(twips::fromPixels(window.width()))};
}

void placeCompanion(QWidget& window, const WindowPlacement& placement)
{
    window.move(twips::toPixels(placement.left), twips::toPixels(placement.top));
    window.resize(twips::toPixels(placement.extent), window.height());
}
