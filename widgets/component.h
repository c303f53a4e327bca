#pragma once
// The common base of the window and its components: a named object that can
// be the sender of an event. Components are owned by their form as members,
// built in declaration order and destroyed in reverse.
#include <string>

class Component {
  public:
    explicit Component(std::string name) : name_(std::move(name)) {}
    virtual ~Component() = default;
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    const std::string& name() const { return name_; }

  private:
    std::string name_;
};
