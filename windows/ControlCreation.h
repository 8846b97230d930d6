#pragma once

#include <memory>
#include <span>

#include "framework/runtime/ClassRecord.h"

#include "framework/ui/Picture.h"
#include "framework/ui/PropertyList.h"
#include "framework/ui/Window.h"

// One control of a window's layout: its name, its class, the column of its class's layout
// table that configures it, and, for a canvas, its picture.
struct ControlCreation {
  const char* name;
  fw::ClassRecord* (*controlClass)();
  const fw::PropertyTable& (*table)();
  std::size_t column;
  std::shared_ptr<fw::Picture> (*backdrop)() = nullptr;
};

// A handler of the window, attached to an event of one of its controls.
struct HandlerAttachment {
  const char* control;
  const char* event;
  const char* handler;
};

// Builds the controls one after another: each is made, constructed and registered, then
// given its picture, its property list and its handlers, every step finding it again by name.
void CreateControlsInOrder(fw::Window& window, std::span<const ControlCreation> controls,
                           std::span<const HandlerAttachment> attachments);
