// Selects the first characters of a text box whenever it gets the focus, so
// that typing replaces the number shown.
#pragma once

#include <QObject>

class QLineEdit;

class SelectOnFocus : public QObject {
    Q_OBJECT
public:
    // Installs itself on box, which owns it.
    static void install(QLineEdit* box, int characters);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SelectOnFocus(QLineEdit* box, int characters);

    QLineEdit* m_box;
    int m_characters;
};
