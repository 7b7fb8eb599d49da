// Only the desktop shell uses Qt.
#include <QImage>
