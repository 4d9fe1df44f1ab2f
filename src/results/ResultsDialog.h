#pragma once

#include "exercise/RemarkTables.h"
#include "results/KeyList.h"
#include "results/KeyRow.h"
#include "results/KeySortState.h"
#include "settings/WindowPlacementStore.h"

#include <QDialog>

#include <array>
#include <functional>
#include <string>
#include <vector>

class ExerciseRecord;
class FullRowListView;
class GraphControl;
class MultiRowTabControl;
class QPlainTextEdit;
class QPushButton;
class ValueTablePanel;

// "Ergebnisse": the evaluation of an exercise record on eight pages: an introduction with
// a remark in words, the value table, the keys with faults, the keys' speed, three graphs
// over the typing time and the text that was covered. Everything is computed once, when
// the dialog is made; only the placement, the list column widths and the lists' sort
// order are kept.
class ResultsDialog : public QDialog
{
    Q_OBJECT

public:
    // Control ids of the dialog's template.
    static constexpr int kTemplateId = 145;
    static constexpr int kContinueId = 1;
    static constexpr int kTabsId = 1046;
    static constexpr int kIntroductionId = 1054;
    static constexpr int kValueTableId = 152;
    static constexpr int kFaultsListId = 1048;
    static constexpr int kSpeedListId = 1049;
    static constexpr int kAverageSpeedGraphId = 1050;
    static constexpr int kErrorGraphId = 1051;
    static constexpr int kCurrentSpeedGraphId = 1052;
    static constexpr int kTextId = 1055;

    // The pages in the order of their tabs.
    enum Page
    {
        kIntroductionPage,
        kValueTablePage,
        kFaultsPage,
        kSpeedPage,
        kErrorGraphPage,
        kAverageSpeedGraphPage,
        kCurrentSpeedGraphPage,
        kTextPage,
        kPageCount
    };

    static constexpr int kMinimumWidth = 600;
    static constexpr int kMinimumHeight = 400;

    // What the next exec() does instead of waiting for a person: calls `look` (when given)
    // on the dialog as it would open, then closes it as "&Wir gehen weiter" does. Every
    // call scripts one more run.
    using Look = std::function<void(ResultsDialog&)>;
    static void SetNextAnswer(Look look = {});
    static void ClearNextAnswer();
    static bool HasNextAnswer();

    // How both lists are sorted, shared by every results dialog for the program's run.
    static KeySortState& SortState();

    // `userName` (Windows-1250) keys the remembered placement and column widths;
    // `characters` are the keyboard's typeable ones (keys outside them are not counted);
    // `random` feeds the remark's random choices.
    ResultsDialog(const std::string& userName, const ExerciseRecord& record, const std::string& characters,
                  const RemarkTables& remarks, const RemarkTables::RandomNumber& random,
                  QWidget* parent = nullptr);
    ~ResultsDialog() override;

    int exec() override;
    void done(int result) override;

    // The control of a template id (152: the value table), for tests and hosts; nullptr for
    // an unknown id.
    QWidget* Control(int id) const;
    QWidget* PageWidget(int page) const;
    int CurrentPage() const;
    void ShowPage(int page);
    // The key rows in their current order.
    const std::vector<KeyRow>& KeyRows() const { return m_keyRows; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SetUpList(FullRowListView* list, KeyListKind kind);
    void FillList(KeyListKind kind);
    void OnHeaderClicked(KeyListKind kind, int column);
    void SetHeaderImages(KeyListKind kind, const std::vector<int>& images);
    FullRowListView* List(KeyListKind kind) const;
    void PlaceControls();
    void SaveState();

    WindowPlacementStore m_placement;
    std::vector<KeyRow> m_keyRows;
    MultiRowTabControl* m_tabs;
    QPlainTextEdit* m_introduction;
    ValueTablePanel* m_valueTable;
    FullRowListView* m_faultsList;
    FullRowListView* m_speedList;
    GraphControl* m_errorGraph;
    GraphControl* m_averageSpeedGraph;
    GraphControl* m_currentSpeedGraph;
    QPlainTextEdit* m_text;
    QPushButton* m_continue;
    std::array<QWidget*, kPageCount> m_pages;
    // Set once the dialog has ended; the placement and widths are saved once.
    bool m_closed = false;
};
