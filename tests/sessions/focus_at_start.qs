# The focus starts in the temperature field, as in the window: the first Tab leaves it, which turns
# the decimal comma read from the settings file into a point and takes the temperature with it.
start
show 1005 1006
tab
show 1005 1006
