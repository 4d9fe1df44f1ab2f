#include "app/ProgramMessage.h"

#include "widgets/DialogText.h"

#include <QMessageBox>

#include <utility>

namespace {

constexpr int kProductName = 128;

ProgramMessage::Observer& CurrentObserver()
{
    static ProgramMessage::Observer observer;
    return observer;
}

} // namespace

void ProgramMessage::Show(QWidget* parent, const QString& text)
{
    if (const Observer& observer = CurrentObserver()) {
        observer(text);
        return;
    }
    QMessageBox box(QMessageBox::Information, DialogText::FromTable(kProductName), text, QMessageBox::Ok,
                    parent);
    // Messages may quote file names: never read them as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void ProgramMessage::ShowFromTable(QWidget* parent, int stringId)
{
    Show(parent, DialogText::FromTable(stringId));
}

void ProgramMessage::SetObserverForTesting(Observer observer)
{
    CurrentObserver() = std::move(observer);
}
