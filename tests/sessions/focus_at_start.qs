# The focus starts in the temperature field, as in the window. The temperature read from the settings
# file with a decimal comma is taken as 12.5 from the start; the first Tab leaves the field unchanged.
start
show 1005 1006
tab
show 1005 1006
