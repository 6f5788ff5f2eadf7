#include "SelectOnFocus.h"

#include <QEvent>
#include <QLineEdit>
#include <QTimer>

#include <algorithm>

void SelectOnFocus::install(QLineEdit* box, int characters)
{
    box->installEventFilter(new SelectOnFocus(box, characters));
}

SelectOnFocus::SelectOnFocus(QLineEdit* box, int characters)
    : QObject(box)
    , m_box(box)
    , m_characters(characters)
{
}

bool SelectOnFocus::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_box && event->type() == QEvent::FocusIn) {
        // After the box's own focus handling (a click places the cursor).
        QTimer::singleShot(0, m_box, [box = m_box, characters = m_characters] {
            box->setSelection(0, std::min<int>(characters, box->text().size()));
        });
    }
    return QObject::eventFilter(watched, event);
}
