// Stands first on the include path of the widget-free libraries. Every header of Qt Widgets
// includes this one, so a widget header in such a library stops its build here.
#error "a widget header in a widget-free library: widgets belong to the app layer"
