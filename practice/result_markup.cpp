#include "result_markup.h"

namespace practice {

QString resultTitle() {
    return QStringLiteral("<p align=\"center\" class=\"TestResultTitle\" >本 次 测 试 结 果</p>");
}

QString resultTable(const QString& lines) {
    return QStringLiteral(
               "<br><br>  <table align=\"center\"  border=1 bordercolor=skyblue cellpadding=\"0\" "
               "cellspacing=\"0\" class=\"table1\"  ><tr> <th class=\"table3\"  >题  型</th> <th "
               "class=\"table4\"  >试 题 数</th>  <th class=\"table3\"   > 答  对 </th>  <th "
               "class=\"table3\"  > 总  分 </th>  <th class=\"table3\"  > 得  分 </th>  <th "
               "class=\"table3\"  >正 确 率</th> </tr> ") +
           lines + QStringLiteral("</table>");
}

}  // namespace practice
