#include "wizard/StatisticsFileSaver.h"

#include "app/ProgramMessage.h"
#include "exercise/ExerciseRecord.h"
#include "widgets/DialogText.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include <utility>

namespace {

constexpr int kStatisticsFilterId = 115;

const char* const kTitle = "Auswertung speichern";
const char* const kSaveFailedText = "Die Auswertung konnte nicht unter „%1“ gespeichert werden.";

StatisticsFileSaver::FileChooser& TestingChooser()
{
    static StatisticsFileSaver::FileChooser chooser;
    return chooser;
}

// Kept for the run only: the next start of the program begins in the documents folder.
QString& LastFolder()
{
    static QString folder;
    return folder;
}

QString ChooseWithFileDialog(QWidget* parent, const QString& initialName, const QString& filter)
{
    // Saving again under a name replaces the file without asking.
    return QFileDialog::getSaveFileName(parent, QString::fromUtf8(kTitle), initialName, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

bool HasWildcards(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?')) ||
           name.contains(QLatin1Char('['));
}

QString WithStatisticsExtension(QString path)
{
    if (!QFileInfo(path).suffix().isEmpty())
        return path;
    if (!path.endsWith(QLatin1Char('.')))
        path += QLatin1Char('.');
    return path + QStringLiteral("stat");
}

} // namespace

StatisticsFileSaver::StatisticsFileSaver(const ExerciseRecord& record, QWidget* parent, FileChooser chooser)
    : m_record(record)
    , m_parent(parent)
    , m_chooser(std::move(chooser))
{
    if (!m_chooser)
        m_chooser = TestingChooser() ? TestingChooser() : FileChooser(ChooseWithFileDialog);
}

StatisticsFileSaver::Outcome StatisticsFileSaver::Run()
{
    const QString initialName = QDir(StartFolder()).filePath(QStringLiteral("*.stat"));
    const QString chosen = m_chooser(m_parent, initialName, DialogText::FileFilter(kStatisticsFilterId));
    if (chosen.isEmpty() || HasWildcards(chosen))
        return Outcome::Cancelled;
    const QString path = WithStatisticsExtension(chosen);
    if (!m_record.SaveStatistics(QFile::encodeName(path).toStdString())) {
        ProgramMessage::Show(m_parent,
                             QString::fromUtf8(kSaveFailedText).arg(QDir::toNativeSeparators(path)));
        return Outcome::Failed;
    }
    LastFolder() = QFileInfo(path).absolutePath();
    return Outcome::Saved;
}

QString StatisticsFileSaver::StartFolder()
{
    if (!LastFolder().isEmpty())
        return LastFolder();
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void StatisticsFileSaver::SetChooserForTesting(FileChooser chooser)
{
    TestingChooser() = std::move(chooser);
    LastFolder().clear();
}
