# A settings file over the size limit is refused with a warning; the form works with the built-in
# catalogue.
start
show 1009 1003
close
