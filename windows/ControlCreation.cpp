#include "windows/ControlCreation.h"

#include <cstring>

#include "framework/runtime/Cast.h"
#include "framework/ui/Canvas.h"
#include "framework/ui/Control.h"

namespace {

// Each class's own constructor, as its method table has it.
void Construct(fw::Object& control) {
  fw::Arguments none;
  control.Record().FindMethod("Constructor")(control, none);
}

void AttachHandlers(fw::Window& window, const char* controlName,
                    std::span<const HandlerAttachment> attachments) {
  for (const HandlerAttachment& attachment : attachments) {
    if (std::strcmp(attachment.control, controlName) != 0) {
      continue;
    }
    fw::ObjectRef control =
        fw::RuntimeCheckCast<fw::Control>(window.ControlByName(attachment.control));
    fw::Delegate handler = fw::RuntimeCreateDelegate(window.Record().FindMethod(attachment.handler),
                                                     window.shared_from_this());
    fw::RuntimeAddEventHandler(control, attachment.event, std::move(handler));
  }
}

}  // namespace

void CreateControlsInOrder(fw::Window& window, std::span<const ControlCreation> controls,
                           std::span<const HandlerAttachment> attachments) {
  for (const ControlCreation& creation : controls) {
    {
      fw::ObjectRef made = window.New(*creation.controlClass());
      Construct(*made);
      window.AddControl(creation.name, made);
    }
    if (creation.backdrop != nullptr) {
      fw::RuntimeCheckCast<fw::Canvas>(window.ControlByName(creation.name))
          ->SetBackdrop(creation.backdrop());
    }
    fw::SetProperties(*fw::NotNil(window.ControlByName(creation.name)),
                      fw::PropertyListFor(creation.table(), creation.column));
    AttachHandlers(window, creation.name, attachments);
  }
}
