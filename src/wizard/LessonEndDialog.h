#pragma once

#include "exercise/ExerciseDialogs.h"
#include "wizard/StatisticsFileSaver.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <string>

class QLabel;
class QPushButton;

// "Ende der Lektion": tells the user how the exercise went and asks how to go on. OK is
// "Nächste Lektion"; Cancel is "Gleiche Lektion" (or "Gleiche Datei"), Escape and the
// close box, and also "Ende", which sets endRequested first. "Auswertung" and "Auswertung
// speichern" leave the dialog open.
class LessonEndDialog : public QDialog
{
    Q_OBJECT

public:
    // Control ids, also the buttons of a scripted answer. OK and Cancel keep the usual ids.
    static constexpr int kNextLessonId = 1;
    static constexpr int kSameLessonId = 2;
    static constexpr int kFirstLineId = 1001;
    static constexpr int kSecondLineId = 1002;
    static constexpr int kResultsId = 1003;
    static constexpr int kEndId = 1004;
    static constexpr int kSaveId = 1005;

    static constexpr int kFreeTextLessonNumber = -1;

    // Opens the results dialog for a user over the current exercise record, modal to `parent`.
    using ShowResults = std::function<void(const std::string& userName, QWidget* parent)>;
    // Asks for the name to save under (see StatisticsFileSaver).
    using SaveFileChooser = StatisticsFileSaver::FileChooser;

    // The button the next exec() presses instead of waiting for a person: kNextLessonId,
    // kSameLessonId (which also stands for Escape and the close box) or kEndId. A button the
    // variant hides, or any other id, counts as Escape.
    static void SetNextAnswer(int button);
    static void ClearNextAnswer();
    static bool HasNextAnswer();

    // `userName` is the logged-in user (Windows-1250), handed to `showResults`;
    // `lessonNumber` is the lesson's index + 1, or kFreeTextLessonNumber for a text file.
    // Without `showResults` the "Auswertung" button stays disabled. "Auswertung
    // &speichern" saves `record`, which must outlive the dialog.
    LessonEndDialog(const ExerciseRecord& record, const std::string& userName, bool passed, int lessonNumber,
                    ShowResults showResults = {}, QWidget* parent = nullptr);

    // Replaces the save-file dialog (tests); an empty chooser restores it.
    void SetSaveFileChooser(SaveFileChooser chooser);

    int exec() override;
    // As the exercise engine wants it: modal, then "Nächste Lektion" and "Ende".
    ExerciseDialogs::LessonEndResult Run();

    // Whether "Nächste Lektion" is offered: only for a passed lesson.
    bool OffersNextLesson() const { return m_offersNextLesson; }

    // The control of an id, for tests and hosts; nullptr for an unknown id.
    QWidget* Control(int id) const;

    // Set by "Ende".
    bool endRequested = false;

private:
    void OnResults();
    void OnEnd();
    void OnSave();
    void FinishWith(int button);
    QPushButton* DefaultButton() const;

    std::string m_userName;
    bool m_offersNextLesson;
    ShowResults m_showResults;
    SaveFileChooser m_chooseSaveFile;
    const ExerciseRecord& m_record;
    QLabel* m_firstLine;
    QLabel* m_secondLine;
    QPushButton* m_results;
    QPushButton* m_nextLesson;
    QPushButton* m_sameLesson;
    QPushButton* m_end;
    QPushButton* m_save;
};
