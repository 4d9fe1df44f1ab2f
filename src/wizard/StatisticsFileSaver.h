#pragma once

#include <QString>

#include <functional>

class ExerciseRecord;
class QWidget;

// "Auswertung speichern", of the lesson-end dialog and of the main menu alike: asks for a
// file name and writes the current exercise record there as a statistics file. A save
// that fails is shown to the user.
class StatisticsFileSaver
{
public:
    // Asks for the name to save under, with `initialName` (a folder and "*.stat") preset
    // and the file-dialog filter `filter`; an empty name means cancelled.
    using FileChooser =
        std::function<QString(QWidget* parent, const QString& initialName, const QString& filter)>;

    enum class Outcome
    {
        Cancelled,
        Saved,
        Failed,
    };

    // Without a chooser: the one set for testing, else the platform's save-file dialog.
    // Saves `record`, which must outlive the saver.
    StatisticsFileSaver(const ExerciseRecord& record, QWidget* parent, FileChooser chooser = {});

    // A name with wildcards counts as cancelled (it is the preset pattern, not a file);
    // a name without an extension gets ".stat".
    Outcome Run();

    // The folder the chooser starts in: the last one saved to during this run, at first
    // the user's documents folder.
    static QString StartFolder();

    // Replaces the save-file dialog of every saver made without a chooser; an empty one
    // restores it. Also forgets the last folder.
    static void SetChooserForTesting(FileChooser chooser);

private:
    const ExerciseRecord& m_record;
    QWidget* m_parent;
    FileChooser m_chooser;
};
