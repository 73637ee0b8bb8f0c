#pragma once

class QWidget;

namespace qtplatform {

// Shows a top-level window, modeless, above the others and active: back from
// minimised too, where a plain QWidget::show() would leave it minimised.
void bringToFront(QWidget& window);

}  // namespace qtplatform
