# A fixture for the Layers test's own check: low/ includes high/, which stands on it.
set(FRETWISE_LAYERS low high)
set(FRETWISE_REACH_low)
set(FRETWISE_REACH_high low)
