#include "settings/SettingsDialog.h"

#include "settings/CursorPage.h"
#include "settings/FeedbackSettingsSound.h"
#include "settings/MainWindowPage.h"
#include "settings/MetronomePage.h"
#include "settings/PicturePage.h"
#include "settings/SoundPage.h"
#include "widgets/DialogFont.h"
#include "widgets/ScriptedAnswer.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <optional>
#include <utility>

namespace {

using Script = ScriptedAnswer<SettingsDialog, int>;

} // namespace

void SettingsDialog::SetNextAnswer(int button)
{
    Script::Set(button);
}

void SettingsDialog::ClearNextAnswer()
{
    Script::Clear();
}

bool SettingsDialog::HasNextAnswer()
{
    return Script::Has();
}

SettingsDialog::SettingsDialog(const AppSettings& settings, SettingsSound& sound, const QImage& smallWindow,
                               const QImage& silent, std::vector<std::string> pictureSets, QWidget* parent)
    : SettingsDialog(settings, nullptr, &sound, smallWindow, silent, std::move(pictureSets), parent)
{}

SettingsDialog::SettingsDialog(const AppSettings& settings, SoundFeedback& sounds, const QImage& smallWindow,
                               const QImage& silent, std::vector<std::string> pictureSets, QWidget* parent)
    : SettingsDialog(settings, std::make_unique<FeedbackSettingsSound>(sounds), nullptr, smallWindow, silent,
                     std::move(pictureSets), parent)
{}

SettingsDialog::SettingsDialog(const AppSettings& settings, std::unique_ptr<SettingsSound> ownedSound,
                               SettingsSound* sound, const QImage& smallWindow, const QImage& silent,
                               std::vector<std::string> pictureSets, QWidget* parent)
    : QDialog(parent)
    , m_ownedSound(std::move(ownedSound))
    , m_sound(sound != nullptr ? *sound : *m_ownedSound)
    , m_settings(settings)
    , m_tabs(new QTabWidget(this))
    , m_cursorPage(new CursorPage(m_settings, m_tabs))
    , m_soundPage(new SoundPage(m_settings, m_sound, silent, m_tabs))
    , m_mainWindowPage(new MainWindowPage(m_settings, smallWindow, m_tabs))
    , m_metronomePage(new MetronomePage(m_settings, m_sound, m_tabs))
    , m_picturePage(new PicturePage(m_settings, std::move(pictureSets), m_tabs))
    , m_ok(new QPushButton(QStringLiteral("&OK"), this))
    , m_back(new QPushButton(QString::fromUtf8("&Zurück"), this))
{
    setWindowTitle(QStringLiteral("Einstellungen"));
    setModal(true);

    m_tabs->addTab(m_cursorPage, QStringLiteral("Cursor"));
    m_tabs->addTab(m_soundPage, QStringLiteral("Klang"));
    m_tabs->addTab(m_mainWindowPage, QStringLiteral("Editor"));
    m_tabs->addTab(m_metronomePage, QStringLiteral("Metronom"));
    m_tabs->addTab(m_picturePage, QStringLiteral("Grafik"));
    m_tabs->setCurrentIndex(kCursorTab);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_back);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(10);
    layout->addWidget(m_tabs, 1);
    layout->addLayout(buttons);

    connect(m_ok, &QPushButton::clicked, this, &SettingsDialog::accept);
    connect(m_back, &QPushButton::clicked, this, &SettingsDialog::reject);

    DialogFont::Apply(this);
    for (QPushButton* button : {m_ok, m_back})
        button->setMinimumWidth(std::max(96, button->sizeHint().width()));
    m_ok->setDefault(true);
}

SettingsDialog::~SettingsDialog()
{
    // The pages work on the copy and the sound output: they go while both are still there.
    delete m_tabs;
}

bool SettingsDialog::Run()
{
    return exec() == QDialog::Accepted;
}

int SettingsDialog::exec()
{
    if (std::optional<int> answer = Script::Take()) {
        if (*answer == kOkId)
            accept();
        else
            reject();
        return result();
    }
    return QDialog::exec();
}

void SettingsDialog::accept()
{
    m_picturePage->Collect();
    QDialog::accept();
}
