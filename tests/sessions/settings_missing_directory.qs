# Without the machine directory the settings file cannot be created: a warning names it, and the form
# works with the built-in catalogue and fluid data.
start
show 1009 1005 1003 1013 1011
close
