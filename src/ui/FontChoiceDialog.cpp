#include "ui/FontChoiceDialog.h"

#include "render/FontSubstitution.h"
#include "ui/ScreenGeometry.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace kakitori {

QStringList FontChoiceDialog::fontNames()
{
    QStringList faces = {QStringLiteral("ＭＳ 明朝"), QStringLiteral("ＭＳ Ｐ明朝"),
                         QStringLiteral("ＭＳ ゴシック"), QStringLiteral("ＭＳ Ｐゴシック"),
                         QStringLiteral("ＤＦＧ教科書体W4")};
    for (const QString& family : QFontDatabase::families(QFontDatabase::Japanese))
        if (!faces.contains(family) && !family.startsWith(u'@'))
            faces.append(family);
    QStringList names = faces;
    for (const QString& face : faces)
        names.append(u'@' + face);
    return names;
}

FontChoiceDialog::FontChoiceDialog(const std::optional<FontChoice>& preset, QWidget* parent)
    : QDialog(parent), m_name(new QLineEdit(this)), m_list(new QListWidget(this)),
      m_size(new QSpinBox(this)), m_bold(new QCheckBox(QStringLiteral("太字"), this)),
      m_italic(new QCheckBox(QStringLiteral("斜体"), this)), m_sample(new QLabel(this))
{
    setWindowTitle(QStringLiteral("フォント"));
    m_list->addItems(fontNames());
    m_size->setRange(6, 96);
    m_size->setValue(preset ? preset->pointSize : 25);
    m_name->setText(preset ? preset->name : QString());
    m_bold->setChecked(preset && preset->bold);
    m_italic->setChecked(preset && preset->italic);
    m_sample->setMinimumSize(320, 80);
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setFrameShape(QFrame::StyledPanel);

    const auto matches = m_list->findItems(m_name->text(), Qt::MatchExactly);
    if (!matches.isEmpty())
        m_list->setCurrentItem(matches.first());
    connect(m_list, &QListWidget::currentTextChanged, m_name, &QLineEdit::setText);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(m_name, &QLineEdit::textChanged, this, &FontChoiceDialog::updateSample);
    connect(m_size, &QSpinBox::valueChanged, this, &FontChoiceDialog::updateSample);
    connect(m_bold, &QCheckBox::toggled, this, &FontChoiceDialog::updateSample);
    connect(m_italic, &QCheckBox::toggled, this, &FontChoiceDialog::updateSample);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_name, &QLineEdit::textChanged, this, [buttons](const QString& text) {
        buttons->button(QDialogButtonBox::Ok)->setEnabled(!text.trimmed().isEmpty());
    });

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("フォント名"), m_name);
    form->addRow(QString(), m_list);
    form->addRow(QStringLiteral("サイズ"), m_size);
    form->addRow(QString(), m_bold);
    form->addRow(QString(), m_italic);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_sample);
    layout->addWidget(buttons);
    buttons->button(QDialogButtonBox::Ok)->setEnabled(!m_name->text().trimmed().isEmpty());
    updateSample();
}

FontChoice FontChoiceDialog::choice() const
{
    return {m_name->text().trimmed(), m_size->value(), m_bold->isChecked(), m_italic->isChecked()};
}

void FontChoiceDialog::updateSample()
{
    const FontChoice c = choice();
    QFont font = screenFont(c.name, qMin(c.pointSize, 36), c.bold);
    font.setItalic(c.italic);
    m_sample->setFont(font);
    m_sample->setText(isVerticalFontName(c.name) ? QStringLiteral("縦書き　漢字のれんしゅう")
                                                 : QStringLiteral("横書き　漢字のれんしゅう"));
}

} // namespace kakitori
