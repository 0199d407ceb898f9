#pragma once
// Component classes by name: the stored form layouts name the class of each
// component, and the reader creates it through this registry with its owner.
//
//   RegisterClass<TDedAdararAdoz>();            // under "TDedAdararAdoz"
//   TComponent* c = CreateComponent("TDedAdararAdoz", form);
//
// Names compare without regard to case. A class with a published property
// table that can create instances is found as well.
#include <functional>
#include <string>
#include <typeinfo>
#include <vector>

#include "framework/classes/Classes.h"

using TComponentFactory = std::function<TComponent*(TComponent* Owner)>;

// The bare C++ class name, as TObject::ClassName reports it.
std::string ClassNameOfType(const std::type_info& Type);

// Registers (or replaces) a factory under ClassName.
void RegisterClass(const std::string& ClassName, TComponentFactory Factory);
template <class T>
void RegisterClass() {
  RegisterClass(ClassNameOfType(typeid(T)), [](TComponent* Owner) -> TComponent* { return new T(Owner); });
}
void UnRegisterClass(const std::string& ClassName);

// The factory, or nullptr when no class has the name.
const TComponentFactory* GetClass(const std::string& ClassName);
// The factory; raises EClassNotFound "Class <name> not found".
const TComponentFactory& FindClass(const std::string& ClassName);
// Creates an instance owned by Owner; raises EClassNotFound.
TComponent* CreateComponent(const std::string& ClassName, TComponent* Owner);
// Names registered here, sorted.
std::vector<std::string> RegisteredClassNames();
