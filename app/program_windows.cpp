#include "app/program_windows.h"

#include "app/tform10.h"
#include "app/tform16.h"
#include "exam/tform2.h"
#include "exam/tform3.h"
#include "exam/tform4.h"
#include "exam/tform6.h"
#include "services/tform13.h"
#include "services/tform14.h"
#include "services/tform9.h"

namespace app {

ProgramWindows::ProgramWindows(const QString& programDir)
    : form10_(std::make_unique<TForm10>(programDir)) {
    TForm10* main = form10_.get();
    form2_ = new exam::TForm2(main);
    form3_ = new exam::TForm3(main);
    form4_ = new exam::TForm4(main);
    form6_ = new exam::TForm6(main);
    form9_ = new services::TForm9(main->messages(), main);
    form13_ = new services::TForm13(main);
    form14_ = new services::TForm14(main);
    form16_ = new TForm16(programDir, main->messages(), main);
    main->attachViewWindows(*form9_, *form16_);
}

ProgramWindows::~ProgramWindows() = default;

}  // namespace app
