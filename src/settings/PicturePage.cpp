#include "settings/PicturePage.h"

#include "settings/AppSettings.h"
#include "settings/PictureSetChoice.h"
#include "widgets/ProgramText.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

PicturePage::PicturePage(AppSettings& settings, std::vector<std::string> setNames, QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_setNames(std::move(setNames))
    , m_list(new QListWidget(this))
{
    for (const std::string& name : m_setNames)
        m_list->addItem(ProgramText::ToQString(name));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* prompt = new QLabel(QString::fromUtf8("Wählen Sie die Hintergrundgrafik."), this);
    prompt->setBuddy(m_list);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->setSpacing(8);
    layout->addWidget(prompt);
    layout->addWidget(m_list, 1);

    const int index = PictureSetChoice::Find(m_setNames, m_settings.pictureSet);
    if (index >= 0)
        m_list->setCurrentRow(index);
}

void PicturePage::Collect()
{
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    const int index = selected.isEmpty() ? -1 : m_list->row(selected.front());
    m_settings.pictureSet = PictureSetChoice::Chosen(m_setNames, index, m_settings.pictureSet);
}
