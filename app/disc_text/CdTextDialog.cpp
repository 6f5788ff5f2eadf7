#include "CdTextDialog.h"

#include "ProgramTitle.h"
#include "Prompts.h"
#include "Twips.h"
#include "cd_text_messages.h"
#include "code_checks.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>

namespace {

struct Field {
    CdTextField field;
    QString CdTextEntry::*text;
    const char* label;
    const char* objectName;  // the disc's line edit
};

// In the order of CdTextField.
const std::array<Field, 7> DiscFields = {{
    {CdTextField::Title, &CdTextEntry::title, QT_TRANSLATE_NOOP("CdTextDialog", "ﾃﾞｨｽｸのﾀｲﾄﾙ:"), "txtDiscTitle"},
    {CdTextField::Performer, &CdTextEntry::performer, QT_TRANSLATE_NOOP("CdTextDialog", "ﾃﾞｨｽｸの演奏者:"),
     "txtDiscPerformer"},
    {CdTextField::Songwriter, &CdTextEntry::songwriter, QT_TRANSLATE_NOOP("CdTextDialog", "ﾃﾞｨｽｸの作詞者:"),
     "txtDiscSongwriter"},
    {CdTextField::Composer, &CdTextEntry::composer, QT_TRANSLATE_NOOP("CdTextDialog", "ﾃﾞｨｽｸの作曲者:"),
     "txtDiscComposer"},
    {CdTextField::Arranger, &CdTextEntry::arranger, QT_TRANSLATE_NOOP("CdTextDialog", "ﾃﾞｨｽｸの編曲者:"),
     "txtDiscArranger"},
    {CdTextField::Message, &CdTextEntry::message, QT_TRANSLATE_NOOP("CdTextDialog", "ﾒｯｾｰｼﾞ:"), "txtDiscMessage"},
    {CdTextField::Code, &CdTextEntry::code, QT_TRANSLATE_NOOP("CdTextDialog", "ｶﾀﾛｸﾞ番号(UPC/JAN):"),
     "txtDiscCatalog"},
}};

// The grid's columns after the track's number.
const std::array<Field, 6> TrackColumns = {{
    {CdTextField::Title, &CdTextEntry::title, QT_TRANSLATE_NOOP("CdTextDialog", "ﾀｲﾄﾙ"), nullptr},
    {CdTextField::Performer, &CdTextEntry::performer, QT_TRANSLATE_NOOP("CdTextDialog", "演奏者"), nullptr},
    {CdTextField::Songwriter, &CdTextEntry::songwriter, QT_TRANSLATE_NOOP("CdTextDialog", "作詞者"), nullptr},
    {CdTextField::Composer, &CdTextEntry::composer, QT_TRANSLATE_NOOP("CdTextDialog", "作曲者"), nullptr},
    {CdTextField::Arranger, &CdTextEntry::arranger, QT_TRANSLATE_NOOP("CdTextDialog", "編曲者"), nullptr},
    {CdTextField::Code, &CdTextEntry::code, "ISRC", nullptr},
}};

constexpr int NumberColumn = 0;
constexpr int FirstTextColumn = 1;

// The grid column of a track's field; none for the disc's message.
std::optional<int> columnOf(CdTextField field)
{
    for (size_t i = 0; i < TrackColumns.size(); ++i) {
        if (TrackColumns[i].field == field)
            return FirstTextColumn + int(i);
    }
    return std::nullopt;
}

const QColor FaultColor(255, 200, 200);

void markField(QLineEdit* field, bool fault)
{
    QPalette palette = field->parentWidget()->palette();
    if (fault)
        palette.setColor(QPalette::Base, FaultColor);
    field->setPalette(palette);
}

}  // namespace

CdTextDialog::CdTextDialog(const CdTextSet& shown, const QString& discFallback, Prompts& prompts, QWidget* parent)
    : QDialog(parent)
    , m_grid(new QTableWidget(int(shown.tracks.size()), FirstTextColumn + int(TrackColumns.size()), this))
    , m_capacity(new QLabel(this))
    , m_discFallback(discFallback)
    , m_prompts(prompts)
{
    setObjectName(QStringLiteral("fCdText"));
    setWindowTitle(tr("ﾃﾞｨｽｸの情報とCD-TEXT"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setSizeGripEnabled(true);

    auto* fields = new QFormLayout;
    for (const Field& f : DiscFields) {
        auto* edit = new QLineEdit(shown.disc.*f.text, this);
        edit->setObjectName(QLatin1String(f.objectName));
        fields->addRow(tr(f.label), edit);
        connect(edit, &QLineEdit::textChanged, this, &CdTextDialog::refreshCapacity);
        m_discFields.append(edit);
    }
    m_discFields.first()->setPlaceholderText(tr("(CUEｼｰﾄのﾌｧｲﾙ名)"));
    fillGrid(shown);
    m_capacity->setObjectName(QStringLiteral("lblCapacity"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(m_capacity);
    layout->addWidget(m_grid, 1);
    layout->addWidget(buttons);
    // Room for seven columns of names, within a 1024x768 screen.
    resize(twips::toPixels(13500), twips::toPixels(9600));

    connect(buttons, &QDialogButtonBox::accepted, this, &CdTextDialog::acceptIfCodesValid);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_grid, &QTableWidget::itemChanged, this, &CdTextDialog::refreshCapacity);
    refreshCapacity();
}

void CdTextDialog::fillGrid(const CdTextSet& shown)
{
    m_grid->setObjectName(QStringLiteral("grdTracks"));
    QStringList headers{tr("No.")};
    for (const Field& column : TrackColumns)
        headers << tr(column.label);
    m_grid->setHorizontalHeaderLabels(headers);
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_grid->horizontalHeader()->setSectionResizeMode(NumberColumn, QHeaderView::ResizeToContents);
    // An ISRC column as wide as a whole code, typed with its hyphens, even
    // before any track has one.
    const int codeColumn = *columnOf(CdTextField::Code);
    m_grid->horizontalHeader()->setSectionResizeMode(codeColumn, QHeaderView::Fixed);
    m_grid->setColumnWidth(codeColumn, m_grid->fontMetrics().horizontalAdvance(QStringLiteral("JP-A1F-26-00001  ")));
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        auto* number = new QTableWidgetItem(QString::number(row + 1));
        number->setFlags(Qt::ItemIsEnabled);
        m_grid->setItem(row, NumberColumn, number);
        for (size_t i = 0; i < TrackColumns.size(); ++i)
            m_grid->setItem(row, FirstTextColumn + int(i), new QTableWidgetItem(shown.tracks[row].*TrackColumns[i].text));
    }
}

CdTextSet CdTextDialog::texts() const
{
    CdTextSet texts;
    for (size_t i = 0; i < DiscFields.size(); ++i)
        texts.disc.*DiscFields[i].text = m_discFields[qsizetype(i)]->text();
    texts.tracks.resize(m_grid->rowCount());
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        for (size_t i = 0; i < TrackColumns.size(); ++i)
            texts.tracks[row].*TrackColumns[i].text = m_grid->item(row, FirstTextColumn + int(i))->text();
    }
    return WithCheckedCodes(texts);
}

void CdTextDialog::refreshCapacity()
{
    CdTextSet counted = texts();
    if (counted.disc.title.isEmpty())
        counted.disc.title = m_discFallback;
    const CdTextPacks packs = BuildCdTextPacks(counted);
    m_capacity->setText(cdtextmessages::capacityLine(packs));

    const QSignalBlocker blocker(m_grid);
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        for (int column = FirstTextColumn; column < m_grid->columnCount(); ++column)
            m_grid->item(row, column)->setBackground(QBrush());
    }
    for (QLineEdit* field : std::as_const(m_discFields))
        markField(field, false);
    for (const CdTextFault& fault : packs.faults)
        mark(fault.track, fault.field);
    const CodeChecks checks = CheckCodes(counted);
    if (checks.invalidCatalog)
        mark(std::nullopt, CdTextField::Code);
    for (const int track : checks.invalidIsrcs + checks.sharedIsrcs)
        mark(track, CdTextField::Code);
}

void CdTextDialog::mark(const std::optional<int>& track, CdTextField field)
{
    if (!track) {
        markField(m_discFields[qsizetype(field)], true);
        return;
    }
    if (const auto column = columnOf(field))
        m_grid->item(*track, *column)->setBackground(FaultColor);
}

void CdTextDialog::acceptIfCodesValid()
{
    const CdTextSet edited = texts();
    const CodeChecks checks = CheckCodes(edited);
    if (checks.anyInvalid()) {
        m_prompts.message(this, cdtextmessages::invalidCode(edited, checks), ProgramTitle(), Prompts::Buttons::Ok);
        return;
    }
    accept();
}
