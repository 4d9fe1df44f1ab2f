#pragma once

#include "exercise/LessonCatalog.h"
#include "exercise/TypeableCharacters.h"
#include "keyboard/KeyboardView.h"
#include "pictures/PictureLoader.h"
#include "resources/ProgramPaths.h"
#include "resources/TextCodec.h"
#include "support/QtTestEnvironment.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <memory>
#include <string>

// A keyboard view over the installed keyboard and hands files and the shipped pictures
// of the set "standard". Its lesson lines come from the test (`m_line` is line 1 of
// lesson 0); the view is not shown, so everything is read from its screen image.
class KeyboardViewFixture : public ::testing::Test
{
protected:
    static constexpr int Lesson = 0;
    static constexpr int Line = 1;
    static constexpr int LineCount = 3;

    void SetUp() override
    {
        ProgramPaths::SetProgramFolderForTesting(TIPPWERK_INSTALL_DIR);
        ASSERT_TRUE(std::filesystem::exists(std::string(TIPPWERK_INSTALL_DIR) + "/config/hands.ddd"))
            << "build the data first";
        LoadPictures();
    }

    void TearDown() override
    {
        m_view.reset();
        ProgramPaths::SetProgramFolderForTesting({});
    }

    // A view with a client area of the given size (the sunken edge is 2 pixels wide).
    KeyboardView& MakeView(int clientWidth, int clientHeight, const std::string& keyboard = "00000407")
    {
        m_view = std::make_unique<KeyboardView>(m_typeable);
        m_view->resize(clientWidth + 4, clientHeight + 4);
        m_view->SetPictures(m_pictures);
        m_view->SetLineSource([this](int lesson, int line) {
            if (lesson != Lesson) {
                return std::string();
            }
            return line == Line ? m_line : line == Line - 1 ? m_previousLine : std::string();
        });
        m_view->SetKeyboard(keyboard);
        return *m_view;
    }

    // A lesson on line 1 at column 0, painted in full: the highlight comes with the next
    // update.
    void StartLine(const std::string& utf8Line, bool status = true, bool keyboard = true, bool hands = true)
    {
        m_line = TextCodec::FromUtf8(utf8Line);
        m_marks.assign(70, ' ');
        m_view->ComputeLayout(status, keyboard, hands);
        m_view->SetViewState({0, LineCount, Line, Lesson, m_marks, std::string(70, ' ')});
        m_view->PaintAll();
        m_baseline = m_view->Screen().copy();
    }

    // One timer tick or keystroke at `column`.
    void Update(int column, int blinking = 0, int cursorStyle = 2)
    {
        m_view->UpdateAfterKeystroke({column, LineCount, Line, Lesson, m_marks, {}}, blinking, cursorStyle);
    }

    const QImage& Screen() const { return m_view->Screen(); }

    // Lets the metronome's timer take its line away.
    static void WaitForTheFlashToEnd(const KeyboardView& view)
    {
        QElapsedTimer waited;
        waited.start();
        while (view.MetronomeLineShown() && waited.elapsed() < 2000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        }
    }

    int KeyIndex(const std::string& utf8Name, int occurrence = 0) const
    {
        const std::string name = TextCodec::FromUtf8(utf8Name);
        const auto& keys = m_view->Keyboard().Keys();
        for (std::size_t i = 0; i < keys.size(); ++i) {
            if (keys[i].name == name && occurrence-- == 0) {
                return static_cast<int>(i);
            }
        }
        ADD_FAILURE() << "no key " << utf8Name;
        return -1;
    }

    QRect KeyRect(int index) const
    {
        const auto rect = m_view->Keyboard()
                              .Keys()
                              .at(static_cast<std::size_t>(index))
                              .PixelRectIn(m_view->Layout().KeyArea());
        return QRect(QPoint(rect.left, rect.top), QPoint(rect.right - 1, rect.bottom - 1));
    }

    // Every pixel of the rectangle inverted against the baseline (or all as they were).
    bool Inverted(const QRect& rect) const { return CompareIn(rect, true); }
    bool Unchanged(const QRect& rect) const { return CompareIn(rect, false); }

    bool CompareIn(const QRect& rect, bool inverted) const
    {
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x) {
                const QRgb before = m_baseline.pixel(x, y);
                const QRgb expected = inverted ? (~before | 0xFF000000u) : before;
                if (Screen().pixel(x, y) != expected) {
                    return false;
                }
            }
        }
        return true;
    }

    // The part of the key away from its rounded corners.
    QRect KeyCore(int index) const
    {
        const QRect key = KeyRect(index);
        const int inset = std::max(2, key.height() / 4);
        return key.adjusted(inset, inset, -inset, -inset);
    }

    QRect HandsArea() const
    {
        const ViewLayout& layout = m_view->Layout();
        return QRect(0, layout.HandsTop(), layout.clientWidth, layout.handsBottom - layout.HandsTop());
    }

    QRect KeyboardArea() const
    {
        const ViewLayout& layout = m_view->Layout();
        return QRect(0, layout.keyboardTop, layout.clientWidth, layout.keyboardBottom - layout.keyboardTop);
    }

    // The pixels a finger's outline may touch.
    QRect FingerArea(int finger) const
    {
        const ViewLayout& layout = m_view->Layout();
        QRect area;
        for (const HandLine& line : m_view->Hands().FingerLines(finger, layout.clientWidth, layout.HandsTop(),
                                                                layout.handsBottom - layout.HandsTop())) {
            const int reach = line.penWidth + 1;
            area |= QRect(QPoint(line.x1, line.y1), QPoint(line.x2, line.y2))
                        .normalized()
                        .adjusted(-reach, -reach, reach, reach);
        }
        return area;
    }

    // The rectangle around every pixel that differs from the baseline within `area`.
    QRect ChangedWithin(const QRect& area) const
    {
        QRect changed;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                if (Screen().pixel(x, y) != m_baseline.pixel(x, y)) {
                    changed |= QRect(x, y, 1, 1);
                }
            }
        }
        return changed;
    }

    void LoadPictures()
    {
        static std::array<QImage, 13> images;
        static bool loaded = false;
        if (!loaded) {
            const std::string folder = std::string(TIPPWERK_SOURCE_DIR) + "/data/pictures/";
            const char* files[] = {"wellcome2.jpg",       "standard/HandsBG.jpg",
                                   "standard/StatBG.jpg", "standard/Background.jpg",
                                   "standard/Movie1.jpg", "standard/Movie2.jpg",
                                   "standard/Movie3.jpg", "standard/Movie4.jpg",
                                   "standard/Movie5.jpg", "standard/Movie6.jpg",
                                   "standard/Movie7.jpg", "standard/Movie8.jpg",
                                   "wellcome.jpg"};
            for (std::size_t i = 0; i < images.size(); ++i) {
                PictureLoadFailure failure;
                ASSERT_TRUE(PictureLoader::LoadSilently(folder + files[i], images[i], failure)) << files[i];
            }
            loaded = true;
        }
        m_pictures.welcome = &images[0];
        m_pictures.handsBackground = &images[1];
        m_pictures.statusBackground = &images[2];
        m_pictures.background = &images[3];
        for (std::size_t i = 0; i < 8; ++i) {
            m_pictures.movies[i] = &images[4 + i];
        }
        m_pictures.animationCanvas = &images[12];
    }

    TypeableCharacters m_typeable;
    std::unique_ptr<KeyboardView> m_view;
    KeyboardViewPictures m_pictures;
    std::string m_line;
    std::string m_previousLine;
    std::string m_marks;
    QImage m_baseline;
};
