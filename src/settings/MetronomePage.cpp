#include "settings/MetronomePage.h"

#include "settings/AppSettings.h"
#include "settings/MetronomeRules.h"
#include "settings/MetronomeTickPainter.h"
#include "settings/SettingsSound.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QSlider>
#include <QVBoxLayout>

MetronomePage::MetronomePage(AppSettings& settings, SettingsSound& sound, QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_soundOutput(sound)
    , m_graphic(new QCheckBox(QStringLiteral("Wollen Sie das Metronom benutzen? (Grafik)"), this))
    , m_sound(new QCheckBox(QStringLiteral("Wollen Sie das Metronom benutzen? (Klang)"), this))
    , m_rate(new QLineEdit(this))
    , m_slider(new QSlider(Qt::Horizontal, this))
    , m_probe(new QLabel(QStringLiteral("Probe"), this))
{
    m_rate->setReadOnly(true);
    m_rate->setAlignment(Qt::AlignRight);
    m_rate->setFixedWidth(m_rate->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    m_rate->setFocusPolicy(Qt::NoFocus);

    m_slider->setRange(MetronomeRules::kMinimumBpm, MetronomeRules::kMaximumBpm);
    m_slider->setTickInterval(MetronomeRules::kSliderTickInterval);
    m_slider->setTickPosition(QSlider::TicksBelow);
    m_slider->setPageStep(MetronomeRules::kSliderTickInterval);

    auto* rate = new QHBoxLayout;
    rate->setSpacing(8);
    rate->addWidget(new QLabel(QString::fromUtf8("Die Metronomgeschwindigkeit wählen:"), this));
    rate->addWidget(m_rate);
    rate->addWidget(new QLabel(QString::fromUtf8("Schläge pro Minute"), this));
    rate->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(MetronomeRules::kLineLeft, 14, 16, 14);
    layout->setSpacing(10);
    layout->addWidget(m_graphic);
    layout->addWidget(m_sound);
    layout->addSpacing(8);
    layout->addLayout(rate);
    layout->addWidget(m_slider);
    layout->addStretch(1);
    // The preview line runs below the controls at a fixed place, "Probe" just above it.
    setMinimumHeight(MetronomeRules::kLineY + 24);
    setMinimumWidth(MetronomeRules::LineRight(MetronomeRules::kGraphicBit) + 30);

    m_graphic->setChecked(MetronomeRules::HasGraphicTick(m_settings.metronomeMode));
    m_sound->setChecked(MetronomeRules::HasSoundTick(m_settings.metronomeMode));
    m_slider->setValue(m_settings.metronomeBpm);
    m_rate->setText(QString::number(m_settings.metronomeBpm));

    m_previewTimer.setTimerType(Qt::PreciseTimer);
    m_lineTimer.setSingleShot(true);
    connect(&m_previewTimer, &QTimer::timeout, this, &MetronomePage::TickPreview);
    connect(&m_lineTimer, &QTimer::timeout, this, &MetronomePage::RemoveTickLine);
    connect(m_slider, &QSlider::valueChanged, this, &MetronomePage::OnSliderMoved);
    connect(m_graphic, &QCheckBox::clicked, this, &MetronomePage::OnBoxClicked);
    connect(m_sound, &QCheckBox::clicked, this, &MetronomePage::OnBoxClicked);
}

void MetronomePage::TickPreview()
{
    const int mode = m_settings.metronomeMode;
    if (MetronomeRules::HasSoundTick(mode))
        m_soundOutput.MidiTick(m_settings);
    const int right = MetronomeRules::LineRight(mode);
    if (right == 0)
        return;
    // A line still shown from the tick before goes first; the new one replaces it.
    RemoveTickLine();
    m_lineRight = right;
    update(MetronomeTickPainter::Bounds(MetronomeRules::kLineLeft, right, MetronomeRules::kLineY));
    m_lineTimer.start(MetronomeRules::kLineShownMs);
}

void MetronomePage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_probe->adjustSize();
    m_probe->move(MetronomeRules::kLineLeft,
                  MetronomeRules::kLineY - MetronomeTickPainter::kPenWidth - 6 - m_probe->height());
    if (m_settings.metronomeMode != 0)
        StartPreview();
}

void MetronomePage::hideEvent(QHideEvent* event)
{
    // Only timers here: the page may be hidden while its dialog is being destroyed.
    m_previewTimer.stop();
    m_lineTimer.stop();
    m_lineRight = 0;
    QWidget::hideEvent(event);
}

void MetronomePage::paintEvent(QPaintEvent*)
{
    if (m_lineRight == 0)
        return;
    QPainter painter(this);
    MetronomeTickPainter::Invert(painter, MetronomeRules::kLineLeft, m_lineRight, MetronomeRules::kLineY);
}

void MetronomePage::OnSliderMoved(int bpm)
{
    m_settings.metronomeBpm = bpm;
    m_rate->setText(QString::number(bpm));
    if (m_settings.metronomeMode != 0 && isVisible())
        StartPreview();
}

void MetronomePage::OnBoxClicked()
{
    m_settings.metronomeMode = MetronomeRules::Mode(m_graphic->isChecked(), m_sound->isChecked());
    if (m_settings.metronomeMode == 0) {
        m_previewTimer.stop();
        return;
    }
    m_settings.metronomeBpm = MetronomeRules::RaisedBpm(m_settings.metronomeBpm);
    StartPreview();
}

void MetronomePage::StartPreview()
{
    m_previewTimer.start(MetronomeRules::PeriodMs(m_settings.metronomeBpm));
}

void MetronomePage::RemoveTickLine()
{
    if (m_lineRight == 0)
        return;
    const QRect touched =
        MetronomeTickPainter::Bounds(MetronomeRules::kLineLeft, m_lineRight, MetronomeRules::kLineY);
    m_lineRight = 0;
    m_lineTimer.stop();
    // Drawing the page again without the line restores what it covered.
    update(touched);
}
