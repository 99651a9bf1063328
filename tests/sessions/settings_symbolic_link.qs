# A symbolic link in place of Rohre.ini is never followed: the program says so and works with the
# built-in catalogue; the link's target is neither read nor copied, and nothing is written at close.
start
show 1009 1005 1003 1013 1011
close
