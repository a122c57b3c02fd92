#pragma once

#include <QString>
#include <memory>

namespace exam {
class TForm2;
class TForm3;
class TForm4;
class TForm6;
}  // namespace exam

namespace services {
class TForm9;
class TForm13;
class TForm14;
}  // namespace services

namespace app {

class TForm10;
class TForm16;

// The windows that exist from start to end, created in their fixed order: the main window
// first, then the exam screens, the feedback window, backup and restore, the wrong-question
// manager. All but the main window stay hidden until a command shows them; they are owned by
// the main window.
class ProgramWindows {
public:
    explicit ProgramWindows(const QString& programDir);
    ~ProgramWindows();

    TForm10& Form10() { return *form10_; }
    exam::TForm2& Form2() { return *form2_; }
    exam::TForm3& Form3() { return *form3_; }
    exam::TForm4& Form4() { return *form4_; }
    exam::TForm6& Form6() { return *form6_; }
    services::TForm9& Form9() { return *form9_; }
    services::TForm13& Form13() { return *form13_; }
    services::TForm14& Form14() { return *form14_; }
    TForm16& Form16() { return *form16_; }

private:
    std::unique_ptr<TForm10> form10_;
    exam::TForm2* form2_ = nullptr;
    exam::TForm3* form3_ = nullptr;
    exam::TForm4* form4_ = nullptr;
    exam::TForm6* form6_ = nullptr;
    services::TForm9* form9_ = nullptr;
    services::TForm13* form13_ = nullptr;
    services::TForm14* form14_ = nullptr;
    TForm16* form16_ = nullptr;
};

}  // namespace app
