#pragma once

#include "results/LessonOffer.h"
#include "settings/WindowPlacementStore.h"

#include <QDialog>

#include <string>
#include <vector>

class FullRowListView;
class LessonCatalog;
class QLabel;
class QPushButton;
class QTreeWidgetItem;
class UserProfile;

// "Die Lektion wählen": the user's way through the course, one row per lesson reached
// with the kept result, plus the next lesson once the last one has a completed result.
// The user picks the lesson to practise or skips the last one reached. Run it with
// exec(): Accepted with ChosenLesson() set, or Rejected after "&Zurück".
class LessonSelectionDialog : public QDialog
{
    Q_OBJECT

public:
    // Control ids of the dialog's template.
    static constexpr int kTemplateId = 139;
    static constexpr int kPromptId = -1;
    static constexpr int kListId = 1028;
    static constexpr int kTeachId = 1;
    static constexpr int kBackId = 2;
    static constexpr int kSkipId = 3;

    static constexpr int kColumnCount = 9;
    // Neither side of the window may become smaller.
    static constexpr int kMinimumSize = 380;

    // Rows of a scripted answer that are no row of the list.
    static constexpr int kCancel = -1;
    static constexpr int kSelectedRow = -2;

    // What the next exec() does instead of waiting for a person: one press on
    // "&Lektion überspringen" per entry of `skips`, its question answered Yes (true) or
    // No, then "&Unterricht" on `row` (kSelectedRow: the row selected by then) or, with
    // kCancel, "&Zurück". A row that cannot be chosen ends the run as "&Zurück" does.
    struct Answer
    {
        std::vector<bool> skips;
        int row = kCancel;
    };
    static void SetNextAnswer(Answer answer);
    static void ClearNextAnswer();
    static bool HasNextAnswer();

    // Lists the lessons of `catalog` as far as `profile` has reached them; a skip adds a
    // record to `profile`. `userName` (Windows-1250) keys the remembered placement and
    // column widths; `clock` dates the record a skip gives the user.
    LessonSelectionDialog(UserProfile& profile, const LessonCatalog& catalog, const std::string& userName,
                          QWidget* parent = nullptr, LessonOffer::Clock clock = LessonOffer::SystemClock());

    int exec() override;
    void done(int result) override;

    // The lesson index of the row chosen with "&Unterricht"; -1 before that.
    int ChosenLesson() const { return m_chosenLesson; }

    // The control of a template id, for tests and hosts; nullptr for an unknown id.
    QWidget* Control(int id) const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void OnInitDialog();
    void FillList();
    QTreeWidgetItem* AddLessonRow(int lesson, int image);
    void AddNextLessonRow(int lesson);
    void SelectRow(QTreeWidgetItem* item);
    // The rules of the current course.
    LessonOffer Offer() const;
    // The lesson a row offers, or -1 for a row that is no lesson of the course.
    int LessonOfRow(const QTreeWidgetItem* item) const;

    void OnTeach();
    void OnSkip();
    bool AskToSkip();
    void SkipLesson();
    void PlaceControls();
    void SaveState();

    UserProfile& m_profile;
    const LessonCatalog& m_catalog;
    LessonOffer::Clock m_clock;
    WindowPlacementStore m_placement;
    QLabel* m_prompt;
    FullRowListView* m_list;
    QPushButton* m_teach;
    QPushButton* m_back;
    QPushButton* m_skip;
    int m_chosenLesson = -1;
    // Set once the dialog has ended; the placement and widths are saved once.
    bool m_closed = false;
    // The list holds only the message of an empty course.
    bool m_showsMessage = false;
};
