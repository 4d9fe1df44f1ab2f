#include "settings/CursorPage.h"

#include "settings/AppSettings.h"
#include "settings/SettingsIcons.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QLabel* IconLabel(int icon, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setFixedSize(SettingsIcons::kSize, SettingsIcons::kSize);
    label->setPixmap(SettingsIcons::Image(icon, parent->devicePixelRatioF()));
    return label;
}

} // namespace

CursorPage::CursorPage(AppSettings& settings, QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_styles(new QButtonGroup(this))
    , m_blinking(new QCheckBox(QStringLiteral("Blinkender Cursor"), this))
    , m_preview(new QLabel(this))
{
    auto* frame = new QGroupBox(QStringLiteral("Cursor"), this);
    auto* styles = new QGridLayout(frame);
    styles->setContentsMargins(14, 12, 14, 12);
    styles->setHorizontalSpacing(12);
    styles->setVerticalSpacing(8);
    const int icons[] = {SettingsIcons::kWindowCursor, SettingsIcons::kAxisCursor,
                         SettingsIcons::kArrowCursor};
    const QString names[] = {QStringLiteral("Fenster"), QStringLiteral("Achse"), QStringLiteral("Pfeil")};
    for (int style = 0; style < 3; ++style) {
        auto* button = new QRadioButton(names[style], frame);
        m_styles->addButton(button, style);
        styles->addWidget(IconLabel(icons[style], frame), style, 0);
        styles->addWidget(button, style, 1);
    }
    styles->setColumnStretch(1, 1);

    m_preview->setFixedSize(SettingsIcons::kSize, SettingsIcons::kSize);
    auto* blinking = new QHBoxLayout;
    blinking->setSpacing(12);
    blinking->addWidget(m_blinking);
    blinking->addWidget(m_preview);
    blinking->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(14);
    layout->addWidget(frame);
    layout->addLayout(blinking);
    layout->addStretch(1);

    if (QAbstractButton* button = m_styles->button(m_settings.cursorStyle))
        button->setChecked(true);
    m_blinking->setChecked(m_settings.blinkingCursor != 0);
    ShowPreview(SettingsIcons::kCursorShown);

    connect(m_styles, &QButtonGroup::idClicked, this, [this](int style) { m_settings.cursorStyle = style; });
    connect(m_blinking, &QCheckBox::toggled, this,
            [this](bool on) { m_settings.blinkingCursor = on ? 1 : 0; });
    connect(&m_previewTimer, &QTimer::timeout, this, &CursorPage::TickPreview);
    m_previewTimer.start(kPreviewMs);
}

QRadioButton* CursorPage::styleButton(int style) const
{
    return qobject_cast<QRadioButton*>(m_styles->button(style));
}

void CursorPage::TickPreview()
{
    // A blinking cursor comes and goes from tick to tick; a steady one stays.
    if (m_settings.blinkingCursor == 1 && m_previewIcon == SettingsIcons::kCursorShown)
        ShowPreview(SettingsIcons::kCursorHidden);
    else
        ShowPreview(SettingsIcons::kCursorShown);
}

void CursorPage::ShowPreview(int icon)
{
    if (icon == m_previewIcon)
        return;
    m_previewIcon = icon;
    m_preview->setPixmap(SettingsIcons::Image(icon, devicePixelRatioF()));
}
