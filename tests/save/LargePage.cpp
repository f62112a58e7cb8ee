#include "LargePage.h"

#include <string>

#include "page/DoorwayPage.h"

QByteArray LargePage(char mark) {
  const std::string value(1 << 20, mark);
  const TDoorwayPageInputs inputs{value, value, value, value + "\r\n" + value, "Rivurido"};
  return QByteArray::fromStdString(JoinPageText(BuildDoorwayPage(inputs)));
}
