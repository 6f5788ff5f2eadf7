#include "DialogPrompts.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

Prompts::Answer DialogPrompts::message(QWidget* parent, const QString& text, const QString& caption,
                                       Buttons buttons, Answer defaultAnswer)
{
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    // The texts keep their designed line breaks, CR LF and also LF CR; the
    // label wants one LF for each.
    box.setText(QString(text)
                    .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                    .replace(QStringLiteral("\n\r"), QStringLiteral("\n"))
                    .replace(QLatin1Char('\r'), QLatin1Char('\n')));
    box.setIcon(buttons == Buttons::Ok ? QMessageBox::Warning : QMessageBox::Question);
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(defaultAnswer == Answer::Ok ? QMessageBox::Ok : QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(defaultAnswer == Answer::No ? QMessageBox::No : QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
    case Buttons::SaveDiscardCancel: {
        box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        box.setDefaultButton(defaultAnswer == Answer::Save      ? QMessageBox::Save
                             : defaultAnswer == Answer::Discard ? QMessageBox::Discard
                                                                : QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        const int chosen = box.exec();
        return chosen == QMessageBox::Save ? Answer::Save : chosen == QMessageBox::Discard ? Answer::Discard : Answer::Cancel;
    }
    }
    return Answer::Cancel;
}

QStringList DialogPrompts::openFileNames(QWidget* parent, const QString& caption, const QString& filter)
{
    QFileDialog dialog(parent, caption);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilter(toDialogFilter(filter));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

QString DialogPrompts::toDialogFilter(const QString& designedFilter)
{
    const QStringList parts = designedFilter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& description = parts[i];
        const QString pattern = parts[i + 1];
        // Several patterns are separated by ";" in the designed form and by
        // blanks in the file dialog's.
        const QString dialogPattern = QString(pattern).replace(u';', u' ');
        if (description.endsWith(u'(' + pattern + u')'))
            filters << description.chopped(pattern.size() + 1) + dialogPattern + u')';
        else
            filters << description + QStringLiteral(" (") + dialogPattern + u')';
    }
    return filters.join(QStringLiteral(";;"));
}
